#include "ui/editors/datelineedit.h"

#include "data/clock.h"
#include "services/datetext.h"
#include "ui/editors/calendarpopup.h"
#include "ui/editors/datekeys.h"

#include <QAction>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>

namespace {

const QString kIconFamily = QStringLiteral("Material Icons");
const QChar kCalendarGlyph(0xE935);

// The start-up code registers the icon font; an editor created without it
// (a tool, a test) registers it here once.
void ensureIconFont()
{
    static bool checked = false;
    if (checked)
        return;
    checked = true;
    if (!QFontDatabase::families().contains(kIconFamily))
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/fonts/MaterialIcons-Regular.otf"));
}

QIcon calendarIcon(const QColor &color)
{
    ensureIconFont();
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font(kIconFamily);
    font.setPixelSize(16);
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QString(kCalendarGlyph));
    painter.end();
    return QIcon(pixmap);
}

bool isCalendarKey(const QKeyEvent *event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    return (event->key() == Qt::Key_F4 && mods == Qt::NoModifier)
        || (event->key() == Qt::Key_Down && mods == Qt::AltModifier);
}

} // namespace

DateLineEdit::DateLineEdit(QWidget *parent)
    : QLineEdit(parent)
{
    m_calendarAction = new QAction(tr("Open calendar"), this);
    m_calendarAction->setToolTip(tr("Open calendar (F4)"));
    addAction(m_calendarAction, QLineEdit::TrailingPosition);
    refreshCalendarIcon();
    connect(m_calendarAction, &QAction::triggered, this, &DateLineEdit::openCalendarPopup);
    setDate(Clock::today());
}

QDate DateLineEdit::date() const
{
    const QDate typed = DateText::parseTyped(text());
    return typed.isValid() ? typed : m_date;
}

void DateLineEdit::setDate(const QDate &date)
{
    m_date = date;
    setText(DateText::formatShort(date));
}

QDate DateLineEdit::commitText()
{
    const QDate previous = m_date;
    const QDate typed = date();
    setDate(typed);
    if (typed != previous)
        userChangedDate(previous);
    return m_date;
}

void DateLineEdit::openCalendarPopup()
{
    CalendarPopup *popup = CalendarPopup::showFor(this, date());
    connect(popup, &CalendarPopup::datePicked, this, [this](const QDate &picked) {
        applyUserDate(picked);
        setFocus(Qt::PopupFocusReason);
        selectAll();
    });
}

void DateLineEdit::userChangedDate(const QDate &)
{
}

void DateLineEdit::applyUserDate(const QDate &date)
{
    const QDate previous = m_date;
    setDate(date);
    if (date != previous)
        userChangedDate(previous);
}

bool DateLineEdit::event(QEvent *event)
{
    // Window shortcuts on F4 must not take the key from the editor.
    if (event->type() == QEvent::ShortcutOverride && isCalendarKey(static_cast<QKeyEvent *>(event))) {
        event->accept();
        return true;
    }
    return QLineEdit::event(event);
}

void DateLineEdit::keyPressEvent(QKeyEvent *event)
{
    if (isCalendarKey(event)) {
        openCalendarPopup();
        event->accept();
        return;
    }
    const Qt::KeyboardModifiers mods = event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (mods == Qt::NoModifier && event->text().size() == 1) {
        const QDate moved = DateKeys::apply(event->text().at(0), date());
        if (moved.isValid()) {
            applyUserDate(moved);
            selectAll();
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void DateLineEdit::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        refreshCalendarIcon();
    QLineEdit::changeEvent(event);
}

void DateLineEdit::refreshCalendarIcon()
{
    m_calendarAction->setIcon(calendarIcon(palette().color(QPalette::PlaceholderText)));
}
