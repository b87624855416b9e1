#include "ui/screens/recurringmodel.h"

#include "data/clock.h"
#include "services/datetext.h"
#include "services/money.h"
#include "ui/screens/screencolors.h"

#include <QCollator>

#include <algorithm>

RecurringModel::RecurringModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void RecurringModel::setSchedules(const QList<RecurringTransaction> &schedules,
                                  const QHash<QString, Account> &accounts)
{
    beginResetModel();
    m_schedules = schedules;
    m_accounts = accounts;
    applySort();
    endResetModel();
}

const RecurringTransaction *RecurringModel::scheduleAt(int row) const
{
    if (row < 0 || row >= m_order.size())
        return nullptr;
    return &m_schedules.at(m_order.at(row));
}

int RecurringModel::rowOfId(const QString &id) const
{
    for (int row = 0; row < m_order.size(); ++row) {
        if (m_schedules.at(m_order.at(row)).id == id)
            return row;
    }
    return -1;
}

bool RecurringModel::isDue(const RecurringTransaction &r)
{
    return r.isActive && r.nextDueDate.isValid() && r.nextDueDate <= Clock::today();
}

QString RecurringModel::accountName(const RecurringTransaction &r) const
{
    return m_accounts.value(r.accountId).name;
}

int RecurringModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_order.size());
}

int RecurringModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant RecurringModel::data(const QModelIndex &index, int role) const
{
    const RecurringTransaction *r = index.isValid() ? scheduleAt(index.row()) : nullptr;
    if (!r)
        return QVariant();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        switch (column) {
        case AccountColumn:
            return accountName(*r);
        case PayeeColumn:
            return r->payee;
        case AmountColumn:
            return Money::formatMoney(r->amount, m_accounts.value(r->accountId).currency);
        case FrequencyColumn:
            return Codes::frequencyLabel(r->frequency);
        case NextDueColumn:
            return DateText::formatShort(r->nextDueDate);
        case AutoColumn:
            return r->autoPost ? tr("Yes") : tr("No");
        case StatusColumn:
            return r->isActive ? tr("Active") : tr("Inactive");
        }
        break;
    case Qt::TextAlignmentRole:
        if (column == AmountColumn)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        break;
    case Qt::ForegroundRole:
        if (column == AmountColumn && r->amount < 0)
            return ScreenColors::negative(ScreenColors::dark());
        if (column == NextDueColumn && isDue(*r))
            return ScreenColors::due();
        if (column == StatusColumn && !r->isActive)
            return QColor(Qt::gray);
        break;
    default:
        break;
    }
    return QVariant();
}

QVariant RecurringModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    switch (section) {
    case AccountColumn:
        return tr("Account");
    case PayeeColumn:
        return tr("Payee");
    case AmountColumn:
        return tr("Amount");
    case FrequencyColumn:
        return tr("Frequency");
    case NextDueColumn:
        return tr("Next Due");
    case AutoColumn:
        return tr("Auto");
    case StatusColumn:
        return tr("Status");
    }
    return QVariant();
}

int RecurringModel::compare(const RecurringTransaction &a, const RecurringTransaction &b, int column) const
{
    static const QCollator collator = [] {
        QCollator c;
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    const auto order = [](auto x, auto y) { return x < y ? -1 : (y < x ? 1 : 0); };
    switch (column) {
    case AccountColumn:
        return collator.compare(accountName(a), accountName(b));
    case PayeeColumn:
        return collator.compare(a.payee, b.payee);
    case AmountColumn:
        return order(a.amount, b.amount);
    case FrequencyColumn:
        return order(int(a.frequency), int(b.frequency));
    case NextDueColumn:
        return order(a.nextDueDate.toJulianDay(), b.nextDueDate.toJulianDay());
    case AutoColumn:
        return order(a.autoPost, b.autoPost);
    case StatusColumn:
        return order(a.isActive, b.isActive);
    }
    return 0;
}

void RecurringModel::applySort()
{
    m_order.resize(m_schedules.size());
    for (int i = 0; i < m_order.size(); ++i)
        m_order[i] = i;
    if (m_sortColumn < 0 || m_sortColumn >= kColumnCount)
        return;
    // Ascending is stable over the repository's order; descending is exactly
    // its reverse, so toggling the header never shuffles equal rows.
    std::stable_sort(m_order.begin(), m_order.end(), [this](int x, int y) {
        return compare(m_schedules.at(x), m_schedules.at(y), m_sortColumn) < 0;
    });
    if (m_sortOrder == Qt::DescendingOrder)
        std::reverse(m_order.begin(), m_order.end());
}

void RecurringModel::sort(int column, Qt::SortOrder order)
{
    if (column >= kColumnCount)
        return;
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    QList<QString> ids;
    ids.reserve(before.size());
    for (const QModelIndex &index : before)
        ids.append(scheduleAt(index.row()) ? scheduleAt(index.row())->id : QString());
    m_sortColumn = column;
    m_sortOrder = order;
    applySort();
    QModelIndexList after;
    after.reserve(before.size());
    for (int i = 0; i < before.size(); ++i) {
        const int row = rowOfId(ids.at(i));
        after.append(row < 0 ? QModelIndex() : index(row, before.at(i).column()));
    }
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
