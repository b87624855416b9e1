#pragma once

#include "data/records.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QVector>

// Every live recurring schedule of all accounts, one row each, in the
// repository's order until the view sorts it.
class RecurringModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { AccountColumn = 0, PayeeColumn, AmountColumn, FrequencyColumn, NextDueColumn, AutoColumn, StatusColumn };
    static constexpr int kColumnCount = 7;

    explicit RecurringModel(QObject *parent = nullptr);

    // Replaces the rows inside a model reset and re-applies the current sort.
    void setSchedules(const QList<RecurringTransaction> &schedules, const QHash<QString, Account> &accounts);

    // The schedule shown at a row; nullptr when out of range.
    const RecurringTransaction *scheduleAt(int row) const;
    int rowOfId(const QString &id) const;

    // Active with a next due date of today or earlier.
    static bool isDue(const RecurringTransaction &r);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }

private:
    void applySort();
    QString accountName(const RecurringTransaction &r) const;
    int compare(const RecurringTransaction &a, const RecurringTransaction &b, int column) const;

    QList<RecurringTransaction> m_schedules;  // repository order
    QVector<int> m_order;                     // view row -> schedule index
    QHash<QString, Account> m_accounts;
    int m_sortColumn = -1;                    // -1: the repository's order
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
