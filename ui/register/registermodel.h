#pragma once

#include "data/records.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QVector>

// The table behind an account's register: one row per entry with its running
// balance, plus the blank entry row in which a new transaction is typed. The
// texts typed into the row being edited are buffered here until the screen
// commits them as a whole.
class RegisterModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { Date = 0, CheckNumber, Payee, Category, Memo, Payment, Deposit, Cleared, Balance };
    static constexpr int kColumnCount = 9;
    // The buffered columns: every one but Balance.
    static constexpr int kBufferColumns = 8;

    explicit RegisterModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // Replaces the entries (chronological, as the register query gives them),
    // re-sorts, clears the editing row and resets the edit buffer.
    void setEntries(QList<RegisterEntry> entries);
    const QList<RegisterEntry> &entries() const { return m_entries; }
    // The same as loading the register again after rows of this account were
    // written (upserts, without their balances) or deleted, without reading
    // the whole account back: chronological places and running balances are
    // recomputed here.
    void applyChanges(const QList<RegisterEntry> &upserts, const QStringList &removedIds);
    // The running balance after the last entry in chronological order.
    qint64 closingBalance() const;

    // Amount texts use the decimals of the currency (whole yen for JPY).
    void setCurrency(Currency currency);
    Currency currency() const { return m_currency; }
    // For rows of several accounts (search results): the currency per account id.
    void setAccountCurrencies(const QHash<QString, Currency> &currencies);
    Currency currencyOf(const RegisterEntry &entry) const;

    void setTwoLine(bool twoLine);
    bool isTwoLine() const { return m_twoLine; }

    // Read-only (search results): no blank entry row, nothing editable.
    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return m_readOnly; }

    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }

    // Row of the blank entry row (-1 when read-only).
    int blankRow() const;
    bool isBlankRow(int row) const { return row == blankRow(); }
    // The entry shown at a view row; nullptr for the blank row or out of range.
    const RegisterEntry *entryAt(int row) const;
    // The view row of a stored transaction, or -1.
    int rowOfTransaction(const QString &id) const;
    // Whether the cell can be typed into in place.
    bool isCellEditable(int row, int column) const;

    // Edit buffer.
    QString bufferText(int column) const;
    void setBufferText(int column, const QString &text);
    QString bufferCategoryId() const { return m_bufferCategoryId; }
    void setBufferCategoryId(const QString &id) { m_bufferCategoryId = id; }
    QString lastDateEntered() const { return m_lastDateEntered; }
    void setLastDateEntered(const QString &text) { m_lastDateEntered = text; }
    // Date becomes the last date entered (else today), everything else empty.
    void resetEditBuffer();
    // Whether anything was typed since the buffer was last reset or loaded.
    bool isBufferDirty() const { return m_bufferDirty; }

    struct BufferState {
        QString texts[kBufferColumns];
        QString categoryId;
        bool dirty = false;
    };
    BufferState bufferState() const;
    void restoreBufferState(const BufferState &state);

    int editingRow() const { return m_editingRow; }
    void setEditingRow(int row);
    // Loads the entry at row into the edit buffer and makes it the editing row.
    void beginEditingRow(int row);

    // Display text of a cell for an entry (not the buffer).
    QString entryText(const RegisterEntry &entry, int column) const;
    QString entryEditText(const RegisterEntry &entry, int column) const;
    // Amount text without sign in the entry's currency.
    QString amountText(qint64 magnitude, Currency currency) const;

Q_SIGNALS:
    void sortChanged(int column, Qt::SortOrder order);

private:
    void applySort();
    int entryIndexForRow(int row) const;
    bool showsBuffer(int row) const;
    void emitRowChanged(int row);

    QList<RegisterEntry> m_entries;  // chronological
    QVector<int> m_order;            // view order of entry indexes
    QVector<int> m_rowOfEntry;       // inverse of m_order
    int m_sortColumn = 0;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;

    QString m_buffer[kBufferColumns];
    QString m_bufferCategoryId;
    QString m_lastDateEntered;
    bool m_bufferDirty = false;
    int m_editingRow = -1;

    Currency m_currency = Currency::USD;
    QHash<QString, Currency> m_accountCurrencies;
    bool m_twoLine = false;
    bool m_readOnly = false;
};
