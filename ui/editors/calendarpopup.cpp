#include "ui/editors/calendarpopup.h"

#include "app/appstate.h"
#include "data/clock.h"

#include <QKeyEvent>
#include <QScreen>

CalendarPopup::CalendarPopup(QWidget *editor)
    : QCalendarWidget(editor)
{
    setWindowFlags(Qt::Popup);
    setAttribute(Qt::WA_DeleteOnClose);
    setLocale(QLocale::system());
    setFirstDayOfWeek(AppState::firstDayOfWeek());
    setGridVisible(true);
    setAccessibleName(tr("Calendar"));
    connect(this, &QCalendarWidget::clicked, this, &CalendarPopup::pick);
    connect(this, &QCalendarWidget::activated, this, &CalendarPopup::pick);
}

CalendarPopup *CalendarPopup::showFor(QWidget *editor, const QDate &date)
{
    auto *popup = new CalendarPopup(editor);
    popup->setSelectedDate(date.isValid() ? date : Clock::today());

    popup->adjustSize();
    QPoint pos = editor->mapToGlobal(QPoint(0, editor->height()));
    // Keep the whole calendar on the screen; flip above the editor when
    // there is no room below it.
    if (const QScreen *screen = editor->screen()) {
        const QRect avail = screen->availableGeometry();
        const QSize size = popup->sizeHint();
        if (pos.y() + size.height() > avail.bottom())
            pos.setY(editor->mapToGlobal(QPoint(0, 0)).y() - size.height());
        pos.setX(std::max(avail.left(), std::min(pos.x(), avail.right() - size.width())));
        pos.setY(std::max(avail.top(), pos.y()));
    }
    popup->move(pos);
    popup->show();
    popup->setFocus(Qt::PopupFocusReason);
    return popup;
}

void CalendarPopup::pick(const QDate &date)
{
    Q_EMIT datePicked(date);
    close();
}

void CalendarPopup::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel)) {
        close();
        return;
    }
    QCalendarWidget::keyPressEvent(event);
}
