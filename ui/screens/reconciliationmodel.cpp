#include "ui/screens/reconciliationmodel.h"

#include "services/datetext.h"
#include "services/money.h"
#include "ui/screens/screencolors.h"

ReconciliationModel::ReconciliationModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void ReconciliationModel::setRows(const QList<Transaction> &transactions, const QByteArray &checks,
                                  Currency currency)
{
    beginResetModel();
    m_transactions = transactions;
    m_checks = checks;
    m_checks.resize(m_transactions.size(), 0);
    m_currency = currency;
    endResetModel();
}

void ReconciliationModel::setChecked(int row, bool checked)
{
    if (row < 0 || row >= m_checks.size() || isChecked(row) == checked)
        return;
    m_checks[row] = checked ? 1 : 0;
    const QModelIndex cell = index(row, CheckColumn);
    Q_EMIT dataChanged(cell, cell, {Qt::CheckStateRole});
    Q_EMIT checkToggled(row, checked);
}

void ReconciliationModel::toggle(int row)
{
    setChecked(row, !isChecked(row));
}

void ReconciliationModel::setAllChecked(bool checked)
{
    if (m_checks.isEmpty())
        return;
    m_checks.fill(checked ? 1 : 0);
    Q_EMIT dataChanged(index(0, CheckColumn), index(rowCount() - 1, CheckColumn), {Qt::CheckStateRole});
}

int ReconciliationModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_transactions.size());
}

int ReconciliationModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant ReconciliationModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_transactions.size())
        return QVariant();
    const Transaction &t = m_transactions.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case DateColumn:
            return DateText::formatShort(t.date);
        case PayeeColumn:
            return t.payee;
        case AmountColumn:
            return Money::formatMoney(t.amount, m_currency);
        case ClearedColumn:
            return t.cleared ? QStringLiteral("C") : QString();
        }
        break;
    case Qt::CheckStateRole:
        if (index.column() == CheckColumn)
            return isChecked(index.row()) ? Qt::Checked : Qt::Unchecked;
        break;
    case Qt::TextAlignmentRole:
        if (index.column() == AmountColumn)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        if (index.column() == ClearedColumn)
            return int(Qt::AlignCenter);
        break;
    case Qt::ForegroundRole:
        if (index.column() == AmountColumn && t.amount < 0)
            return ScreenColors::negative(ScreenColors::dark());
        break;
    case Qt::AccessibleTextRole:
        if (index.column() == CheckColumn)
            return isChecked(index.row()) ? tr("Counted as cleared") : tr("Not counted");
        break;
    default:
        break;
    }
    return QVariant();
}

bool ReconciliationModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.column() != CheckColumn || role != Qt::CheckStateRole)
        return false;
    setChecked(index.row(), value.toInt() == Qt::Checked);
    return true;
}

Qt::ItemFlags ReconciliationModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == CheckColumn)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

QVariant ReconciliationModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    switch (section) {
    case DateColumn:
        return tr("Date");
    case PayeeColumn:
        return tr("Payee");
    case AmountColumn:
        return tr("Amount");
    case ClearedColumn:
        return tr("Clr");
    }
    return QString();
}
