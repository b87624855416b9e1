#pragma once

#include "data/records.h"

#include <QAbstractTableModel>
#include <QByteArray>
#include <QList>

// The not-yet-reconciled transactions of one account, each with the check
// mark that counts it as cleared in the reconciliation under way.
class ReconciliationModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { CheckColumn = 0, DateColumn, PayeeColumn, AmountColumn, ClearedColumn };
    static constexpr int kColumnCount = 5;

    explicit ReconciliationModel(QObject *parent = nullptr);

    // Replaces the rows inside a model reset; checks holds one flag per row.
    void setRows(const QList<Transaction> &transactions, const QByteArray &checks, Currency currency);

    const QList<Transaction> &transactions() const { return m_transactions; }
    const QByteArray &checks() const { return m_checks; }
    bool isChecked(int row) const { return row >= 0 && row < m_checks.size() && m_checks.at(row); }
    void setChecked(int row, bool checked);
    void toggle(int row);
    // Sets every row's mark at once; checkToggled is not emitted.
    void setAllChecked(bool checked);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

Q_SIGNALS:
    // A row's check mark changed, by click, key or code.
    void checkToggled(int row, bool checked);

private:
    QList<Transaction> m_transactions;
    QByteArray m_checks;
    Currency m_currency = Currency::USD;
};
