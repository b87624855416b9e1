#include "ui/register/registercolumns.h"

#include "app/thememanager.h"
#include "ui/register/registercolumnlayout.h"
#include "ui/register/registermodel.h"
#include "ui/register/registertableview.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QMenu>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>

namespace {

bool isFlexible(int column)
{
    return column == RegisterModel::Payee || column == RegisterModel::Category || column == RegisterModel::Memo;
}

int weightOf(int column)
{
    return column == RegisterModel::Payee ? 250 : 180;
}

bool isMoney(int column)
{
    return column == RegisterModel::Payment || column == RegisterModel::Deposit || column == RegisterModel::Balance;
}

} // namespace

RegisterColumns::RegisterColumns(RegisterTableView *table, RegisterModel *model, QObject *parent)
    : QObject(parent)
    , m_table(table)
    , m_model(model)
{
    QHeaderView *header = m_table->horizontalHeader();
    connect(header, &QHeaderView::sectionResized, this, &RegisterColumns::onSectionResized);
    connect(header, &QHeaderView::sortIndicatorChanged, this, &RegisterColumns::scheduleFit);
    // New figures may need wider money columns.
    connect(m_model, &QAbstractItemModel::modelReset, this, &RegisterColumns::scheduleFit);
    connect(m_model, &QAbstractItemModel::layoutChanged, this, &RegisterColumns::scheduleFit);
    connect(m_model, &QAbstractItemModel::rowsInserted, this, &RegisterColumns::scheduleFit);
    // The largest figures are read once per change of the rows, not on every
    // resize of the window.
    const auto forget = [this] { m_extremes.known = false; };
    connect(m_model, &QAbstractItemModel::modelReset, this, forget);
    connect(m_model, &QAbstractItemModel::layoutChanged, this, forget);
    connect(m_model, &QAbstractItemModel::rowsInserted, this, forget);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, forget);
    connect(m_model, &QAbstractItemModel::dataChanged, this, forget);
    m_table->installEventFilter(this);
}

void RegisterColumns::apply()
{
    applyVisibility();
    fit();
}

void RegisterColumns::applyVisibility()
{
    const bool applying = m_applying;
    m_applying = true;
    for (int column = 0; column < RegisterModel::kColumnCount; ++column) {
        const bool squeezed = column == RegisterModel::Memo && m_memoSqueezed;
        const bool hidden = isUserHidden(column) || squeezed;
        if (m_table->isColumnHidden(column) != hidden)
            m_table->setColumnHidden(column, hidden);
    }
    m_applying = applying;
}

bool RegisterColumns::isUserHidden(int column) const
{
    // The memo rides under the payee in two-line mode.
    return RegisterColumnLayout::storedHidden(column) || (column == RegisterModel::Memo && m_model->isTwoLine());
}

void RegisterColumns::reset()
{
    RegisterColumnLayout::clear();
    m_memoSqueezed = false;
    apply();
    Q_EMIT wasReset();
}

int RegisterColumns::availableWidth() const
{
    // The vertical scroll bar's room is always kept, so that it coming and
    // going with the number of rows does not make the columns jump.
    const int scrollBar = m_table->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_table);
    return m_table->width() - 2 * m_table->frameWidth() - scrollBar;
}

int RegisterColumns::leastWidth() const
{
    int width = 0;
    for (int column = 0; column < RegisterModel::kColumnCount; ++column) {
        if (isUserHidden(column))
            continue;
        const int stored = RegisterColumnLayout::userWidth(column);
        if (stored > 0)
            width += stored;
        else if (column == RegisterModel::Memo)
            continue;
        else
            width += isFlexible(column) ? minimumWidth(column) : contentWidth(column);
    }
    return width + m_table->width() - availableWidth();
}

int RegisterColumns::minimumWidth(int column) const
{
    const int ch = QFontMetrics(m_table->font()).averageCharWidth();
    switch (column) {
    case RegisterModel::Payee:
        return 14 * ch;
    case RegisterModel::Category:
        return 11 * ch;
    default:
        return 9 * ch;
    }
}

const RegisterColumns::Extremes &RegisterColumns::figures() const
{
    if (!m_extremes.known) {
        // Room to type 1,000.00 on a new row at the least.
        Extremes e;
        for (const RegisterEntry &entry : m_model->entries()) {
            e.amount = qMax(e.amount, qAbs(entry.transaction.amount));
            e.balance = qMax(e.balance, qAbs(entry.balance));
            e.negativeBalance = e.negativeBalance || entry.balance < 0;
        }
        e.known = true;
        m_extremes = e;
    }
    return m_extremes;
}

int RegisterColumns::contentWidth(int column) const
{
    const QFont font = isMoney(column) ? ThemeManager::fontForRole(ThemeManager::Mono) : m_table->font();
    const QFontMetrics fm(font);
    const QFontMetrics headerMetrics(m_table->horizontalHeader()->font());
    const int pad = 2 * QFontMetrics(m_table->font()).averageCharWidth();

    // The header's text, and the sort arrow when this column carries it. The
    // entry row shows the same text as its placeholder, in the cell's font.
    const QString title = m_model->headerData(column, Qt::Horizontal).toString();
    int header = qMax(headerMetrics.horizontalAdvance(title), fm.horizontalAdvance(title)) + pad;
    if (m_table->horizontalHeader()->sortIndicatorSection() == column)
        header += headerMetrics.height();

    QString widest;
    switch (column) {
    case RegisterModel::Date:
        widest = QStringLiteral("12/28/2000");
        break;
    case RegisterModel::CheckNumber:
        widest = QStringLiteral("00000");
        break;
    case RegisterModel::Cleared:
        widest = QStringLiteral("R");
        break;
    case RegisterModel::Payment:
    case RegisterModel::Deposit:
    case RegisterModel::Balance: {
        const Extremes &extremes = figures();
        const bool balance = column == RegisterModel::Balance;
        widest = m_model->amountText(balance ? extremes.balance : extremes.amount, m_model->currency());
        if (balance && extremes.negativeBalance)
            widest.prepend(QLatin1Char('-'));
        break;
    }
    default:
        return header;
    }
    return qMax(header, fm.horizontalAdvance(widest) + pad);
}

void RegisterColumns::fit()
{
    m_fitPending = false;
    const int available = availableWidth();
    if (available <= 0)
        return;

    int fixed = 0;
    QList<int> flexible;
    QList<int> widths(RegisterModel::kColumnCount, 0);
    for (int column = 0; column < RegisterModel::kColumnCount; ++column) {
        if (isUserHidden(column))
            continue;
        const int stored = RegisterColumnLayout::userWidth(column);
        if (stored > 0) {
            widths[column] = stored;
        } else if (isFlexible(column)) {
            flexible.append(column);
            continue;
        } else {
            widths[column] = contentWidth(column);
        }
        fixed += widths[column];
    }

    int rest = available - fixed;
    int minimums = 0;
    for (int column : std::as_const(flexible))
        minimums += minimumWidth(column);
    const bool memoFlexible = flexible.contains(int(RegisterModel::Memo));
    const bool squeeze = memoFlexible && rest < minimums;
    if (squeeze)
        flexible.removeAll(int(RegisterModel::Memo));

    int weights = 0;
    minimums = 0;
    for (int column : std::as_const(flexible)) {
        weights += weightOf(column);
        minimums += minimumWidth(column);
    }
    // Below the minimums (a narrow window at a large font) the proportions
    // still hold, down to a few characters: a shorter payee reads better than
    // a scroll bar that hides the balance.
    const bool cramped = rest < minimums;
    const int floor = 4 * QFontMetrics(m_table->font()).averageCharWidth();
    int given = 0;
    for (int column : std::as_const(flexible)) {
        const int share = weights > 0 ? rest * weightOf(column) / weights : 0;
        widths[column] = qMax(cramped ? floor : minimumWidth(column), share);
        given += widths[column];
    }
    // What rounding left over goes to the payee, so the row ends at the view's edge.
    if (flexible.contains(int(RegisterModel::Payee)) && given < rest)
        widths[RegisterModel::Payee] += rest - given;

    m_applying = true;
    if (squeeze != m_memoSqueezed) {
        m_memoSqueezed = squeeze;
        applyVisibility();
    }
    for (int column = 0; column < RegisterModel::kColumnCount; ++column) {
        if (widths[column] > 0 && m_table->columnWidth(column) != widths[column])
            m_table->setColumnWidth(column, widths[column]);
    }
    m_applying = false;
}

void RegisterColumns::scheduleFit()
{
    if (m_fitPending)
        return;
    m_fitPending = true;
    QTimer::singleShot(0, this, &RegisterColumns::fit);
}

void RegisterColumns::onSectionResized(int column, int, int newSize)
{
    // Only a drag by the user lands here; it is kept and the others make room.
    if (m_applying || newSize <= 0)
        return;
    RegisterColumnLayout::saveWidth(column, newSize);
    scheduleFit();
}

bool RegisterColumns::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_table) {
        switch (event->type()) {
        case QEvent::Resize:
            fit();
            break;
        case QEvent::FontChange:
        case QEvent::StyleChange:
        case QEvent::Show:
            scheduleFit();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

QMenu *RegisterColumns::createHeaderMenu(QWidget *parent)
{
    auto *menu = new QMenu(parent);
    menu->addSection(tr("Show columns"));
    const bool twoLine = m_model->isTwoLine();
    for (int column = 0; column < RegisterModel::kColumnCount; ++column) {
        QAction *action = menu->addAction(m_model->headerData(column, Qt::Horizontal).toString());
        action->setCheckable(true);
        action->setChecked(!isUserHidden(column));
        // The memo rides under the payee in two-line mode.
        action->setEnabled(RegisterColumnLayout::canHide(column) && !(twoLine && column == RegisterModel::Memo));
        connect(action, &QAction::toggled, this, [this, column](bool shown) {
            RegisterColumnLayout::saveHidden(column, !shown);
            apply();
        });
    }
    menu->addSeparator();
    menu->addAction(tr("Reset register layout"), this, &RegisterColumns::reset);
    return menu;
}
