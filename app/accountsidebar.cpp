#include "app/accountsidebar.h"

#include "app/thememanager.h"
#include "data/codes.h"
#include "services/money.h"
#include "ui/glyph.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// A row's margins and gaps around its icon, name and balance, and the margin
// the list gives each item.
constexpr int kRowLeft = 6;
constexpr int kRowRight = 8;
constexpr int kIcon = 24;
constexpr int kGap = 8;
constexpr int kItemMargin = 6;

ushort glyphFor(AccountType type)
{
    switch (type) {
    case AccountType::Checking:
        return Glyph::Checking;
    case AccountType::Savings:
        return Glyph::Savings;
    case AccountType::CreditCard:
        return Glyph::CreditCard;
    case AccountType::Cash:
        return Glyph::Cash;
    case AccountType::Investment:
        return Glyph::Investment;
    case AccountType::Other:
        break;
    }
    return Glyph::OtherAccount;
}

QFont nameFont()
{
    QFont font = ThemeManager::fontForRole(ThemeManager::Body);
    font.setWeight(QFont::Weight(500));
    return font;
}

// A label that elides its text on the right to the width it is given, again
// whenever that width or its font changes.
class ElidedLabel : public QLabel
{
public:
    explicit ElidedLabel(const QString &text, QWidget *parent)
        : QLabel(parent)
        , m_full(text)
    {
        setToolTip(text);
        setMinimumWidth(40);
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        setAccessibleName(text);
        setText(text);
    }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        elide();
        QLabel::resizeEvent(event);
    }

    void changeEvent(QEvent *event) override
    {
        QLabel::changeEvent(event);
        if (event->type() == QEvent::FontChange)
            elide();
    }

private:
    void elide() { setText(fontMetrics().elidedText(m_full, Qt::ElideRight, width())); }

    QString m_full;
};

} // namespace

AccountSidebar::AccountSidebar(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("sidebarPanel"));
    setAttribute(Qt::WA_StyledBackground);
    setMinimumWidth(220);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_title = new QLabel(tr("ACCOUNTS"), this);
    m_title->setObjectName(QStringLiteral("sidebarTitle"));
    m_title->setContentsMargins(14, 14, 14, 6);
    ThemeManager::setRole(m_title, ThemeManager::Small, 700);
    layout->addWidget(m_title);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("accountList"));
    m_list->setAccessibleName(tr("Accounts"));
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    layout->addWidget(m_list, 1);
    m_title->setBuddy(m_list);

    m_total = new QLabel(this);
    m_total->setObjectName(QStringLiteral("sidebarTotal"));
    m_total->setContentsMargins(14, 10, 14, 12);
    m_total->setAccessibleName(tr("Total of all accounts"));
    ThemeManager::setRole(m_total, ThemeManager::BodyMedium);
    layout->addWidget(m_total);

    connect(m_list, &QListWidget::currentItemChanged, this, [this](QListWidgetItem *item) {
        if (item)
            Q_EMIT accountShown(idOf(item));
    });
    const auto choose = [this](QListWidgetItem *item) {
        if (item)
            Q_EMIT accountChosen(idOf(item));
    };
    connect(m_list, &QListWidget::itemClicked, this, choose);
    connect(m_list, &QListWidget::itemActivated, this, choose);
    connect(m_list, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        Q_EMIT menuRequested(idOf(m_list->itemAt(pos)), m_list->viewport()->mapToGlobal(pos));
    });
    restyle();
}

QString AccountSidebar::idOf(const QListWidgetItem *item)
{
    return item ? item->data(Qt::UserRole).toString() : QString();
}

void AccountSidebar::setRows(const QList<Row> &rows, const QString &currentId, const QString &totalText)
{
    const QSignalBlocker block(m_list);
    m_list->clear();
    for (const Row &row : rows) {
        auto *item = new QListWidgetItem(m_list);
        item->setData(Qt::UserRole, row.account.id);
        const QString balance = Money::formatMoney(row.balance, row.account.currency);
        item->setData(Qt::AccessibleTextRole, row.account.isShared
                                                  ? tr("%1, shared, balance %2").arg(row.account.name, balance)
                                                  : tr("%1, balance %2").arg(row.account.name, balance));
        m_list->setItemWidget(item, rowWidget(row.account, row.balance));
        if (row.account.id == currentId)
            m_list->setCurrentItem(item);
    }
    sizeRows();
    m_widthNeeded = measureWidthNeeded();
    // "Total: $1,500.00" speaks for itself, figure and all.
    m_total->setText(totalText);
    m_total->setAccessibleName(totalText);
    Q_EMIT widthNeededChanged();
}

void AccountSidebar::showCurrent(const QString &accountId)
{
    for (int row = 0; row < m_list->count(); ++row) {
        QListWidgetItem *item = m_list->item(row);
        if (idOf(item) == accountId) {
            const QSignalBlocker block(m_list);
            m_list->setCurrentItem(item);
            return;
        }
    }
}

QString AccountSidebar::totalText() const
{
    return m_total->text();
}

QStringList AccountSidebar::accountIds() const
{
    QStringList ids;
    for (int row = 0; row < m_list->count(); ++row)
        ids.append(idOf(m_list->item(row)));
    return ids;
}

int AccountSidebar::measureWidthNeeded() const
{
    const QFontMetrics names(nameFont());
    const QFontMetrics figures(ThemeManager::fontForRole(ThemeManager::Body));
    int widest = 0;
    for (int row = 0; row < m_list->count(); ++row) {
        const QWidget *widget = m_list->itemWidget(m_list->item(row));
        const auto *name = widget ? widget->findChild<QLabel *>(QStringLiteral("accountName")) : nullptr;
        const auto *balance = widget ? widget->findChild<QLabel *>(QStringLiteral("accountBalance")) : nullptr;
        if (!name || !balance)
            continue;
        // The name's line, or the balance's beside a few letters of the
        // institution.
        const int mark = widget->findChild<QLabel *>(QStringLiteral("accountShared")) ? names.height() + 4 : 0;
        widest = std::max({widest, names.horizontalAdvance(name->accessibleName()) + 4 + mark,
                       figures.horizontalAdvance(balance->text()) + kGap + 8 * figures.averageCharWidth()});
    }
    // Room for a vertical scroll bar too, so that a longer list does not
    // squeeze the names.
    const int scrollBar = m_list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_list);
    return widest + kRowLeft + kIcon + kGap + kGap + kRowRight + 2 * kItemMargin + scrollBar + 2;
}

QWidget *AccountSidebar::rowWidget(const Account &account, qint64 balance)
{
    auto *row = new QWidget;
    row->setObjectName(QStringLiteral("accountRow"));
    row->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(kRowLeft, 8, kRowRight, 8);
    layout->setSpacing(kGap);

    auto *icon = new QLabel(row);
    icon->setFixedSize(kIcon, kIcon);
    icon->setPixmap(Glyph::pixmap(glyphFor(account.type), QColor(QStringLiteral("#4DB6AC")), 22, kIcon));
    layout->addWidget(icon, 0, Qt::AlignTop);

    auto *text = new QVBoxLayout;
    text->setContentsMargins(0, 0, 0, 0);
    text->setSpacing(2);
    // The name has the first line to itself; the institution and the
    // balance share the second, so that large text keeps names whole.
    auto *name = new ElidedLabel(account.name, row);
    name->setObjectName(QStringLiteral("accountName"));
    ThemeManager::setRole(name, ThemeManager::Body, 500);
    name->setStyleSheet(QStringLiteral("color: #FFFFFF;"));
    if (account.isShared) {
        // A small mark after the name: the account is shared within the family group.
        auto *first = new QHBoxLayout;
        first->setSpacing(4);
        first->addWidget(name, 1);
        auto *shared = new QLabel(row);
        shared->setObjectName(QStringLiteral("accountShared"));
        const int size = QFontMetrics(nameFont()).height();
        shared->setPixmap(Glyph::pixmap(Glyph::Shared, QColor(QStringLiteral("#A9C4B7")), size - 2, size));
        shared->setToolTip(tr("Shared"));
        shared->setAccessibleName(tr("Shared"));
        first->addWidget(shared, 0, Qt::AlignVCenter);
        text->addLayout(first);
    } else {
        text->addWidget(name);
    }

    auto *second = new QHBoxLayout;
    second->setSpacing(kGap);
    QString detail = account.institution.isEmpty() ? Codes::accountTypeLabel(account.type) : account.institution;
    if (!account.accountNumberLast4.isEmpty())
        detail += QStringLiteral("  \u00b7  *%1").arg(account.accountNumberLast4);
    auto *institution = new ElidedLabel(detail, row);
    institution->setObjectName(QStringLiteral("accountDetail"));
    ThemeManager::setRole(institution, ThemeManager::Small);
    institution->setStyleSheet(QStringLiteral("color: #A9C4B7;"));
    second->addWidget(institution, 1, Qt::AlignBottom);

    auto *amount = new QLabel(Money::formatMoney(balance, account.currency), row);
    amount->setObjectName(QStringLiteral("accountBalance"));
    amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ThemeManager::setRole(amount, ThemeManager::Body);
    // The sidebar is dark in both themes; these read at 4.5:1 or more on it,
    // the selected row included.
    amount->setStyleSheet(QStringLiteral("color: %1;").arg(QLatin1String(balance < 0 ? "#FFA59C" : "#9CCC9F")));
    amount->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred);
    second->addWidget(amount, 0);
    text->addLayout(second);
    layout->addLayout(text, 1);
    return row;
}

void AccountSidebar::sizeRows()
{
    for (int row = 0; row < m_list->count(); ++row) {
        QListWidgetItem *item = m_list->item(row);
        if (QWidget *widget = m_list->itemWidget(item)) {
            widget->adjustSize();
            const QSize hint = widget->sizeHint();
            item->setSizeHint(QSize(hint.width(), hint.height() + 10));
        }
    }
}

void AccountSidebar::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // A new font scale reaches the rows' labels through their roles; their
    // heights and the width the names need follow.
    if (event->type() == QEvent::FontChange) {
        sizeRows();
        m_widthNeeded = measureWidthNeeded();
        Q_EMIT widthNeededChanged();
    }
}

void AccountSidebar::restyle()
{
    const bool dark = ThemeManager::darkNow();
    const QString back = QLatin1String(dark ? "#0B1713" : "#16392F");
    const QString selected = QLatin1String(dark ? "#1E3A32" : "#204E43");
    const QString hover = QLatin1String(dark ? "#142822" : "#1C463A");
    setStyleSheet(QStringLiteral("#sidebarPanel { background: %1; } #sidebarTitle { color: #A9C4B7; } "
                                 "#sidebarTotal { color: #D8E8DF; border-top: 1px solid %2; } "
                                 "QListWidget#accountList { background: %1; border: none; outline: none; } "
                                 "QListWidget#accountList::item { border-radius: 6px; margin: 1px %4px; } "
                                 "QListWidget#accountList::item:hover { background: %3; } "
                                 "QListWidget#accountList::item:selected { background: %2; }")
                      .arg(back, selected, hover)
                      .arg(kItemMargin));
}
