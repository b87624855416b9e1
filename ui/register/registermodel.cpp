#include "ui/register/registermodel.h"

#include "app/thememanager.h"
#include "data/clock.h"
#include "services/datetext.h"
#include "services/money.h"
#include "ui/register/registersort.h"

#include <QColor>
#include <QGuiApplication>
#include <QPalette>
#include <QSet>

#include <algorithm>

namespace {

const char *const kHeaders[RegisterModel::kColumnCount] = {
    QT_TRANSLATE_NOOP("RegisterModel", "Date"),    QT_TRANSLATE_NOOP("RegisterModel", "Chk #"),
    QT_TRANSLATE_NOOP("RegisterModel", "Payee"),   QT_TRANSLATE_NOOP("RegisterModel", "Category"),
    QT_TRANSLATE_NOOP("RegisterModel", "Memo"),    QT_TRANSLATE_NOOP("RegisterModel", "Payment"),
    QT_TRANSLATE_NOOP("RegisterModel", "Deposit"), QT_TRANSLATE_NOOP("RegisterModel", "Clr"),
    QT_TRANSLATE_NOOP("RegisterModel", "Balance"),
};


bool darkPalette()
{
    return ThemeManager::darkNow();
}

QColor negativeColor()
{
    return ThemeManager::tone(ThemeManager::Negative);
}

QColor positiveColor()
{
    return ThemeManager::tone(ThemeManager::Positive);
}

QColor entryTint()
{
    return darkPalette() ? QColor(0x1A, 0x2E, 0x28) : QColor(0xE8, 0xF5, 0xE9);
}

QString splitText()
{
    return QCoreApplication::translate("RegisterModel", "\u2014Split\u2014");
}

} // namespace

RegisterModel::RegisterModel(QObject *parent)
    : QAbstractTableModel(parent)
{
    resetEditBuffer();
    m_bufferDirty = false;
}

int RegisterModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return int(m_entries.size()) + (m_readOnly ? 0 : 1);
}

int RegisterModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

int RegisterModel::blankRow() const
{
    if (m_readOnly)
        return -1;
    return (m_sortColumn == Date && m_sortOrder == Qt::DescendingOrder) ? 0 : int(m_entries.size());
}

int RegisterModel::entryIndexForRow(int row) const
{
    if (row < 0 || row >= rowCount())
        return -1;
    const int blank = blankRow();
    if (row == blank)
        return -1;
    const int position = (blank == 0) ? row - 1 : row;
    return m_order.value(position, -1);
}

const RegisterEntry *RegisterModel::entryAt(int row) const
{
    const int i = entryIndexForRow(row);
    return i < 0 ? nullptr : &m_entries.at(i);
}

int RegisterModel::rowOfTransaction(const QString &id) const
{
    if (id.isEmpty())
        return -1;
    for (int i = 0; i < m_entries.size(); ++i) {
        if (m_entries.at(i).transaction.id == id) {
            const int position = m_rowOfEntry.value(i, -1);
            if (position < 0)
                return -1;
            return blankRow() == 0 ? position + 1 : position;
        }
    }
    return -1;
}

bool RegisterModel::showsBuffer(int row) const
{
    if (m_readOnly)
        return false;
    if (m_editingRow >= 0)
        return row == m_editingRow;
    return row == blankRow();
}

Currency RegisterModel::currencyOf(const RegisterEntry &entry) const
{
    if (!m_accountCurrencies.isEmpty()) {
        const auto it = m_accountCurrencies.constFind(entry.transaction.accountId);
        if (it != m_accountCurrencies.constEnd())
            return *it;
    }
    return m_currency;
}

QString RegisterModel::amountText(qint64 magnitude, Currency currency) const
{
    return Money::formatAmount(magnitude, currency);
}

QString RegisterModel::entryText(const RegisterEntry &entry, int column) const
{
    const Transaction &t = entry.transaction;
    switch (column) {
    case Category:
        return t.isSplit ? splitText() : entry.categoryName;
    case Balance:
        return amountText(entry.balance, currencyOf(entry));
    default:
        return entryEditText(entry, column);
    }
}

QString RegisterModel::entryEditText(const RegisterEntry &entry, int column) const
{
    const Transaction &t = entry.transaction;
    switch (column) {
    case Date:
        return DateText::formatShort(t.date);
    case CheckNumber:
        return t.checkNumber;
    case Payee:
        return t.payee;
    case Category:
        return entry.categoryName;
    case Memo:
        return t.memo;
    case Payment:
        return t.amount < 0 ? amountText(-t.amount, currencyOf(entry)) : QString();
    case Deposit:
        return t.amount >= 0 ? amountText(t.amount, currencyOf(entry)) : QString();
    case Cleared:
        return t.reconciled ? QStringLiteral("R") : (t.cleared ? QStringLiteral("C") : QString());
    default:
        return QString();
    }
}

QVariant RegisterModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= kColumnCount)
        return QVariant();
    const int row = index.row();
    const int column = index.column();
    const bool buffered = showsBuffer(row);
    const bool blank = isBlankRow(row);
    const RegisterEntry *entry = entryAt(row);

    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: {
        if (buffered) {
            if (column == Balance)
                return (role == Qt::DisplayRole && entry) ? amountText(entry->balance, currencyOf(*entry)) : QString();
            if (column == Category && entry && entry->transaction.isSplit)
                return splitText();
            const QString &text = m_buffer[column];
            if (role == Qt::DisplayRole && blank && text.isEmpty())
                return headerData(column, Qt::Horizontal, Qt::DisplayRole);
            return text;
        }
        if (!entry)
            return QString();  // the blank row while another row is edited
        return role == Qt::DisplayRole ? entryText(*entry, column) : entryEditText(*entry, column);
    }
    case Qt::TextAlignmentRole: {
        int horizontal = Qt::AlignLeft;
        if (column == Payment || column == Deposit || column == Balance)
            horizontal = Qt::AlignRight;
        else if (column == Cleared)
            horizontal = Qt::AlignHCenter;
        return QVariant::fromValue(Qt::Alignment(horizontal | Qt::AlignVCenter));
    }
    case Qt::FontRole:
        if (column == Payment || column == Deposit || column == Balance)
            return ThemeManager::fontForRole(ThemeManager::Mono);
        return QVariant();
    case Qt::ForegroundRole: {
        if (buffered && blank && column != Balance && m_buffer[column].isEmpty())
            return ThemeManager::tone(ThemeManager::Muted);
        switch (column) {
        case Memo:
        case Cleared:
            return ThemeManager::tone(ThemeManager::Muted);
        case Payment:
            return negativeColor();
        case Deposit:
            if (buffered)
                return m_buffer[Deposit].trimmed().isEmpty() ? QVariant() : QVariant(positiveColor());
            if (entry && entry->transaction.amount >= 0)
                return positiveColor();
            return QVariant();
        case Balance:
            if (entry && entry->balance < 0)
                return negativeColor();
            return QVariant();
        default:
            return QVariant();
        }
    }
    case Qt::BackgroundRole:
        if (!m_twoLine && !m_readOnly && (row == m_editingRow || (blank && m_editingRow < 0)))
            return entryTint();
        return QVariant();
    default:
        return QVariant();
    }
}

QVariant RegisterModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kColumnCount)
        return QVariant();
    if (section == Payee && m_twoLine)
        return tr("Payee / Memo");
    return QCoreApplication::translate("RegisterModel", kHeaders[section]);
}

bool RegisterModel::isCellEditable(int row, int column) const
{
    if (m_readOnly || column == Balance || column < 0 || column >= kColumnCount || row < 0 || row >= rowCount())
        return false;
    if (isBlankRow(row))
        return true;
    if (row != m_editingRow)
        return false;
    const RegisterEntry *entry = entryAt(row);
    if (!entry || entry->isOpeningBalance)
        return false;
    if (entry->transaction.isSplit && (column == Category || column == Payment || column == Deposit))
        return false;
    return true;
}

Qt::ItemFlags RegisterModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (isCellEditable(index.row(), index.column()))
        f |= Qt::ItemIsEditable;
    return f;
}

bool RegisterModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.column() >= kBufferColumns || !showsBuffer(index.row()))
        return false;
    const QString text = value.toString();
    if (m_buffer[index.column()] != text) {
        m_buffer[index.column()] = text;
        m_bufferDirty = true;
    }
    Q_EMIT dataChanged(index, index);
    return true;
}

QString RegisterModel::bufferText(int column) const
{
    if (column < 0 || column >= kBufferColumns)
        return QString();
    return m_buffer[column];
}

void RegisterModel::setBufferText(int column, const QString &text)
{
    if (column < 0 || column >= kBufferColumns)
        return;
    if (m_buffer[column] != text) {
        m_buffer[column] = text;
        m_bufferDirty = true;
    }
    // The whole row repaints; an editor open on the cell keeps what it shows
    // (a one-cell change would make the view refill it from the buffer).
    const int row = m_editingRow >= 0 ? m_editingRow : blankRow();
    emitRowChanged(row);
}

void RegisterModel::resetEditBuffer()
{
    for (QString &text : m_buffer)
        text.clear();
    m_buffer[Date] = m_lastDateEntered.isEmpty() ? DateText::formatShort(Clock::today()) : m_lastDateEntered;
    m_bufferCategoryId.clear();
    m_bufferDirty = false;
    const int row = m_editingRow >= 0 ? m_editingRow : blankRow();
    if (row >= 0 && row < rowCount())
        emitRowChanged(row);
}

RegisterModel::BufferState RegisterModel::bufferState() const
{
    BufferState state;
    for (int c = 0; c < kBufferColumns; ++c)
        state.texts[c] = m_buffer[c];
    state.categoryId = m_bufferCategoryId;
    state.dirty = m_bufferDirty;
    return state;
}

void RegisterModel::restoreBufferState(const BufferState &state)
{
    for (int c = 0; c < kBufferColumns; ++c)
        m_buffer[c] = state.texts[c];
    m_bufferCategoryId = state.categoryId;
    m_bufferDirty = state.dirty;
    const int row = m_editingRow >= 0 ? m_editingRow : blankRow();
    if (row >= 0)
        emitRowChanged(row);
}

void RegisterModel::emitRowChanged(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    Q_EMIT dataChanged(index(row, 0), index(row, kColumnCount - 1));
}

void RegisterModel::setEditingRow(int row)
{
    if (row >= rowCount() || isBlankRow(row))
        row = -1;
    if (row == m_editingRow)
        return;
    const int old = m_editingRow;
    m_editingRow = row;
    emitRowChanged(old);
    emitRowChanged(row);
    // The blank row shows the buffer only while no other row is edited.
    emitRowChanged(blankRow());
}

void RegisterModel::beginEditingRow(int row)
{
    const RegisterEntry *entry = entryAt(row);
    if (!entry) {
        // The blank row: texts of an entry that was being edited do not carry over.
        if (m_editingRow >= 0) {
            setEditingRow(-1);
            resetEditBuffer();
        }
        return;
    }
    for (int c = 0; c < kBufferColumns; ++c)
        m_buffer[c] = entryEditText(*entry, c);
    m_bufferCategoryId = entry->transaction.categoryId;
    m_bufferDirty = false;
    if (m_editingRow == row)
        emitRowChanged(row);
    else
        setEditingRow(row);
}

void RegisterModel::setEntries(QList<RegisterEntry> entries)
{
    beginResetModel();
    m_entries = std::move(entries);
    m_editingRow = -1;
    applySort();
    resetEditBuffer();
    endResetModel();
}

void RegisterModel::applyChanges(const QList<RegisterEntry> &upserts, const QStringList &removedIds)
{
    QSet<QString> gone(removedIds.cbegin(), removedIds.cend());
    for (const RegisterEntry &e : upserts)
        gone.insert(e.transaction.id);
    gone.remove(QString());
    QList<RegisterEntry> entries;
    entries.reserve(m_entries.size() + upserts.size());
    for (RegisterEntry &e : m_entries) {
        if (!gone.contains(e.transaction.id))
            entries.append(std::move(e));
    }

    // Chronological order is date, then creation time; a row created later
    // than its equals goes after them, as the register query returns it.
    const auto before = [](const RegisterEntry &a, const RegisterEntry &b) {
        if (a.isOpeningBalance != b.isOpeningBalance)
            return a.isOpeningBalance;
        if (a.transaction.date != b.transaction.date)
            return a.transaction.date < b.transaction.date;
        return a.transaction.createdAt < b.transaction.createdAt;
    };
    for (const RegisterEntry &e : upserts) {
        const auto at = std::upper_bound(entries.begin(), entries.end(), e, before);
        entries.insert(at, e);
    }

    qint64 balance = 0;
    for (RegisterEntry &e : entries) {
        balance = e.isOpeningBalance ? e.transaction.amount : balance + e.transaction.amount;
        e.balance = balance;
    }
    if (!entries.isEmpty() && entries.first().isOpeningBalance)
        entries.first().transaction.date = entries.size() > 1 ? entries.at(1).transaction.date : Clock::today();
    setEntries(std::move(entries));
}

qint64 RegisterModel::closingBalance() const
{
    return m_entries.isEmpty() ? 0 : m_entries.last().balance;
}

void RegisterModel::setCurrency(Currency currency)
{
    if (currency == m_currency)
        return;
    m_currency = currency;
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, kColumnCount - 1));
}

void RegisterModel::setAccountCurrencies(const QHash<QString, Currency> &currencies)
{
    m_accountCurrencies = currencies;
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, kColumnCount - 1));
}

void RegisterModel::setTwoLine(bool twoLine)
{
    if (twoLine == m_twoLine)
        return;
    m_twoLine = twoLine;
    Q_EMIT headerDataChanged(Qt::Horizontal, Payee, Payee);
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, kColumnCount - 1));
}

void RegisterModel::setReadOnly(bool readOnly)
{
    if (readOnly == m_readOnly)
        return;
    beginResetModel();
    m_readOnly = readOnly;
    m_editingRow = -1;
    endResetModel();
}

void RegisterModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= kColumnCount)
        return;
    // The row being edited keeps its buffer wherever the new order puts it.
    const int editedEntry = entryIndexForRow(m_editingRow);
    beginResetModel();
    m_sortColumn = column;
    m_sortOrder = order;
    applySort();
    m_editingRow = -1;
    if (editedEntry >= 0)
        m_editingRow = m_rowOfEntry[editedEntry] + (blankRow() == 0 ? 1 : 0);
    endResetModel();
    Q_EMIT sortChanged(column, order);
}

void RegisterModel::applySort()
{
    m_order = RegisterSort::order(m_entries, m_sortColumn, m_sortOrder);
    m_rowOfEntry.resize(m_order.size());
    for (int position = 0; position < m_order.size(); ++position)
        m_rowOfEntry[m_order[position]] = position;
}
