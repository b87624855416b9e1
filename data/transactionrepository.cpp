#include "data/transactionrepository.h"

#include "data/clock.h"
#include "data/database.h"
#include "data/dbtransaction.h"
#include "data/sqlvalue.h"
#include "data/transactioncaches.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSqlQuery>

#include <algorithm>
#include <vector>

namespace {

const QString kColumns = QStringLiteral(
    "t.id, t.account_id, t.date, t.payee, t.memo, t.amount, t.category_id, t.check_number, t.cleared, t.reconciled, "
    "t.transfer_link_id, t.transfer_dest_account_id, t.is_split, t.recurring_id, t.version, t.sync_status, "
    "t.server_id, t.created_at, t.updated_at, t.deleted_at");

// The display name of every category (deleted ones included, since a
// transaction may still point at one): the parent's name, " > " and the name
// when the category has a parent and its name is not unique among live
// categories, else the name. Worked out once per category rather than once per
// register row.
const QString kCategoryNames = QStringLiteral(
    "SELECT c.id, CASE WHEN c.parent_id IS NOT NULL AND (SELECT COUNT(*) FROM categories cc WHERE cc.name = c.name AND "
    "cc.deleted_at IS NULL) > 1 THEN COALESCE((SELECT p.name FROM categories p WHERE p.id = c.parent_id), '') || "
    "' > ' || c.name ELSE c.name END AS category_name FROM categories c");

Transaction readTransaction(const QSqlQuery &q)
{
    Transaction t;
    t.id = q.value(0).toString();
    t.accountId = q.value(1).toString();
    t.date = SqlValue::parseDate(q.value(2).toString());
    t.payee = q.value(3).toString();
    t.memo = q.value(4).toString();
    t.amount = q.value(5).toLongLong();
    t.categoryId = q.value(6).toString();
    t.checkNumber = q.value(7).toString();
    t.cleared = q.value(8).toInt() != 0;
    t.reconciled = q.value(9).toInt() != 0;
    t.transferLinkId = q.value(10).toString();
    t.transferDestAccountId = q.value(11).toString();
    t.isSplit = q.value(12).toInt() != 0;
    t.recurringId = q.value(13).toString();
    t.version = q.value(14).toInt();
    t.syncStatus = Codes::syncStatusFromCode(q.value(15).toString());
    t.serverId = q.value(16).toString();
    t.createdAt = SqlValue::parseTimestamp(q.value(17).toString());
    t.updatedAt = SqlValue::parseTimestamp(q.value(18).toString());
    t.deletedAt = SqlValue::parseTimestamp(q.value(19).toString());
    return t;
}

} // namespace

TransactionRepository::TransactionRepository(Database *database, QObject *parent)
    : QObject(parent)
    , m_database(database)
    , m_statements(database->connection())
{
    TransactionCaches::install(database->connection());
}

QList<Transaction> TransactionRepository::list(const QString &sql, const QVariantList &binds)
{
    QList<Transaction> result;
    QSqlQuery *q = m_statements.prepare(sql, binds, "TransactionRepository::list failed:");
    if (!Sql::exec(q, "TransactionRepository::list failed:"))
        return result;
    while (q->next())
        result.append(readTransaction(*q));
    q->finish();
    return result;
}

QList<Transaction> TransactionRepository::listByAccount(const QString &accountId)
{
    return list(QStringLiteral("SELECT %1 FROM transactions t WHERE t.account_id = ? AND t.deleted_at IS NULL "
                               "ORDER BY t.date DESC, t.created_at DESC")
                    .arg(kColumns),
                {accountId});
}

std::optional<Transaction> TransactionRepository::getById(const QString &id)
{
    const QList<Transaction> found = list(QStringLiteral("SELECT %1 FROM transactions t WHERE t.id = ?").arg(kColumns), {id});
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

QList<Transaction> TransactionRepository::pending()
{
    return list(QStringLiteral("SELECT %1 FROM transactions t WHERE t.sync_status = 'pending'").arg(kColumns), {});
}

QList<Transaction> TransactionRepository::unreconciled(const QString &accountId)
{
    return list(QStringLiteral("SELECT %1 FROM transactions t WHERE t.account_id = ? AND t.deleted_at IS NULL AND "
                               "t.reconciled = 0 ORDER BY t.date ASC, t.created_at ASC")
                    .arg(kColumns),
                {accountId});
}

QList<Transaction> TransactionRepository::listByCategory(const QString &categoryId)
{
    return list(
        QStringLiteral("SELECT %1 FROM transactions t WHERE t.category_id = ? AND t.deleted_at IS NULL").arg(kColumns),
        {categoryId});
}

std::optional<Transaction> TransactionRepository::latestByPayee(const QString &payee, const QString &accountId)
{
    const QList<Transaction> found =
        list(QStringLiteral("SELECT %1 FROM transactions t WHERE t.payee = ? AND t.account_id = ? AND t.deleted_at IS "
                            "NULL ORDER BY t.date DESC, t.created_at DESC LIMIT 1")
                 .arg(kColumns),
             {payee, accountId});
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

QList<RegisterEntry> TransactionRepository::registerRows(const QString &accountId)
{
    QList<RegisterEntry> rows;

    qint64 starting = 0;
    QSqlQuery *q = m_statements.prepare(QStringLiteral("SELECT starting_balance FROM accounts WHERE id = ?"), {accountId},
                                        "TransactionRepository::registerRows failed:");
    if (Sql::exec(q, "TransactionRepository::registerRows failed:") && q->next())
        starting = q->value(0).toLongLong();
    if (q)
        q->finish();

    if (starting != 0) {
        QDate openingDate = Clock::today();
        q = m_statements.prepare(QStringLiteral("SELECT date FROM transactions WHERE account_id = ? AND deleted_at IS "
                                                "NULL ORDER BY date ASC LIMIT 1"),
                                 {accountId}, "TransactionRepository::registerRows failed:");
        if (Sql::exec(q, "TransactionRepository::registerRows failed:") && q->next()) {
            const QDate first = SqlValue::parseDate(q->value(0).toString());
            if (first.isValid())
                openingDate = first;
        }
        if (q)
            q->finish();
        RegisterEntry opening;
        opening.isOpeningBalance = true;
        opening.transaction.accountId = accountId;
        opening.transaction.date = openingDate;
        opening.transaction.payee = QCoreApplication::translate("TransactionRepository", "Opening Balance");
        opening.transaction.amount = starting;
        opening.transaction.cleared = true;
        opening.transaction.reconciled = true;
        opening.balance = starting;
        rows.append(opening);
    }

    // The rows come in the account index's order and are put in date order
    // here: SQLite would sort whole rows through its sorter, which takes
    // longer than reading them.
    const QHash<QString, QString> names = categoryNames();
    q = m_statements.prepare(
        QStringLiteral("SELECT %1 FROM transactions t WHERE t.account_id = ? AND t.deleted_at IS NULL").arg(kColumns),
        {accountId}, "TransactionRepository::registerRows failed:");
    if (!Sql::exec(q, "TransactionRepository::registerRows failed:"))
        return rows;
    QList<RegisterEntry> read;
    while (q->next()) {
        RegisterEntry entry;
        entry.transaction = readTransaction(*q);
        if (!entry.transaction.categoryId.isEmpty())
            entry.categoryName = names.value(entry.transaction.categoryId);
        read.append(std::move(entry));
    }
    q->finish();

    // Date, then creation time; rows equal in both keep the order they were
    // stored in.
    struct Key {
        qint64 day;
        qint64 created;
        qsizetype index;
    };
    std::vector<Key> order;
    order.reserve(size_t(read.size()));
    for (qsizetype i = 0; i < read.size(); ++i) {
        const Transaction &t = read.at(i).transaction;
        order.push_back({t.date.toJulianDay(), t.createdAt.isValid() ? t.createdAt.toMSecsSinceEpoch() : 0, i});
    }
    std::sort(order.begin(), order.end(), [](const Key &a, const Key &b) {
        if (a.day != b.day)
            return a.day < b.day;
        if (a.created != b.created)
            return a.created < b.created;
        return a.index < b.index;
    });

    rows.reserve(rows.size() + read.size());
    qint64 balance = starting;
    for (const Key &key : order) {
        RegisterEntry &entry = read[key.index];
        balance += entry.transaction.amount;
        entry.balance = balance;
        rows.append(std::move(entry));
    }
    return rows;
}

std::optional<RegisterEntry> TransactionRepository::registerEntry(const QString &id)
{
    const std::optional<Transaction> t = getById(id);
    if (!t || t->isDeleted())
        return std::nullopt;
    RegisterEntry entry;
    entry.transaction = *t;
    if (!t->categoryId.isEmpty())
        entry.categoryName = categoryNames().value(t->categoryId);
    return entry;
}

namespace {

// Whether the full-text tokenizer keeps any character of the word: it indexes
// letters, numbers and private-use characters and drops everything else.
bool hasIndexedCharacter(const QString &word)
{
    for (const char32_t c : word.toUcs4()) {
        if (QChar::isLetterOrNumber(c) || QChar::category(c) == QChar::Other_PrivateUse)
            return true;
    }
    return false;
}

// The words of a search text. Control characters and broken surrogate halves
// separate words like spaces: nothing indexes them, and either would leave the
// full-text query unterminated.
QStringList searchWords(QString text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate() || c.category() == QChar::Other_Control)
            text[i] = QLatin1Char(' ');
    }
    static const QRegularExpression whitespace(QStringLiteral("\\s+"));
    return text.trimmed().split(whitespace, Qt::SkipEmptyParts);
}

} // namespace

QString TransactionRepository::ftsQuery(const QString &text)
{
    QStringList terms;
    for (QString word : searchWords(text)) {
        // A word the index holds nothing of ("&", "-") would match no row at
        // all; literalWords() checks it instead.
        if (!hasIndexedCharacter(word))
            continue;
        word.replace(QLatin1Char('"'), QLatin1String("\"\""));
        terms.append(QLatin1Char('"') + word + QLatin1String("\"*"));
    }
    return terms.join(QLatin1String(" AND "));
}

QStringList TransactionRepository::literalWords(const QString &text)
{
    QStringList words;
    for (const QString &word : searchWords(text)) {
        if (!hasIndexedCharacter(word) && !words.contains(word)) {
            words.append(word);
            if (words.size() == kMaxLiteralWords)
                break;
        }
    }
    return words;
}

QString TransactionRepository::searchFilters(const TransactionSearch &f, QVariantList *binds)
{
    // Words of punctuation alone are looked for as they stand in the searched
    // texts; a newline separates the fields, so no word spans two of them.
    QString filters;
    for (const QString &word : literalWords(f.text)) {
        filters += QStringLiteral(" AND instr(t.payee || char(10) || COALESCE(t.memo, '') || char(10) || "
                                  "COALESCE(t.check_number, ''), ?) > 0");
        binds->append(word);
    }
    // Then the filters, in a fixed order.
    if (!f.accountId.isEmpty()) {
        filters += QStringLiteral(" AND t.account_id = ?");
        binds->append(f.accountId);
    }
    if (!f.categoryId.isEmpty()) {
        filters += QStringLiteral(" AND t.category_id = ?");
        binds->append(f.categoryId);
    }
    if (f.from.isValid()) {
        filters += QStringLiteral(" AND t.date >= ?");
        binds->append(SqlValue::date(f.from));
    }
    if (f.to.isValid()) {
        filters += QStringLiteral(" AND t.date <= ?");
        binds->append(SqlValue::date(f.to));
    }
    if (f.clearedOnly) {
        filters += QStringLiteral(" AND t.cleared = ?");
        binds->append(1);
    }
    return filters + QStringLiteral(" ORDER BY t.date DESC, t.created_at DESC LIMIT %1").arg(kSearchLimit);
}

QString TransactionRepository::plainSearchSql(const TransactionSearch &f, QVariantList *binds)
{
    QString sql = QStringLiteral("SELECT %1 FROM transactions t").arg(kColumns);
    const QString match = ftsQuery(f.text);
    if (!match.isEmpty()) {
        sql += QStringLiteral(" JOIN transactions_fts fts ON fts.rowid = t.rowid WHERE transactions_fts MATCH ? AND "
                              "t.deleted_at IS NULL");
        binds->append(match);
    } else {
        sql += QStringLiteral(" WHERE t.deleted_at IS NULL");
    }
    return sql + searchFilters(f, binds);
}

QList<RegisterEntry> TransactionRepository::search(const TransactionSearch &f)
{
    // A search wants the newest rows that match. When many rows match (a common
    // word, one account, "cleared only"), walking the date index from the newest
    // end finds them after a few thousand rows, while collecting every match and
    // sorting it costs a pass over all of them. So the newest stretch of the
    // register is tried first: if it alone holds a full page of results, those
    // are the answer, since every older row sorts after them. Otherwise the
    // matches are few and the plain query is quick.
    const QString newestDate = dateOfNewestWindow();
    if (!newestDate.isEmpty()) {
        QString sql = QStringLiteral("SELECT %1 FROM transactions t INDEXED BY idx_transactions_date WHERE t.date >= ? "
                                     "AND t.deleted_at IS NULL")
                          .arg(kColumns);
        QVariantList binds{newestDate};
        const QString match = ftsQuery(f.text);
        if (!match.isEmpty()) {
            sql += QStringLiteral(" AND t.rowid IN (SELECT rowid FROM transactions_fts WHERE transactions_fts MATCH ?)");
            binds.append(match);
        }
        sql += searchFilters(f, &binds);
        const QList<RegisterEntry> rows = runSearch(sql, binds);
        if (rows.size() >= kSearchLimit)
            return rows;
    }
    QVariantList binds;
    const QString sql = plainSearchSql(f, &binds);
    return runSearch(sql, binds);
}

QString TransactionRepository::dateOfNewestWindow()
{
    // The date reached after the newest few thousand rows; empty for a small store.
    QSqlQuery *q = m_statements.prepare(
        QStringLiteral("SELECT date FROM transactions INDEXED BY idx_transactions_date ORDER BY date DESC LIMIT 1 "
                       "OFFSET %1")
            .arg(kSearchWindow),
        {}, "TransactionRepository::search failed:");
    QString date;
    if (Sql::exec(q, "TransactionRepository::search failed:") && q->next())
        date = q->value(0).toString();
    if (q)
        q->finish();
    return date;
}

QList<RegisterEntry> TransactionRepository::runSearch(const QString &sql, const QVariantList &binds)
{
    QList<RegisterEntry> rows;
    QSqlQuery *q = m_statements.prepare(sql, binds, "TransactionRepository::search failed:");
    if (!Sql::exec(q, "TransactionRepository::search failed:"))
        return rows;
    const QHash<QString, QString> names = categoryNames();
    while (q->next()) {
        RegisterEntry entry;
        entry.transaction = readTransaction(*q);
        if (!entry.transaction.categoryId.isEmpty())
            entry.categoryName = names.value(entry.transaction.categoryId);
        rows.append(std::move(entry));
    }
    q->finish();
    return rows;
}

QHash<QString, QString> TransactionRepository::categoryNames()
{
    QHash<QString, QString> names;
    QSqlQuery *q = m_statements.prepare(kCategoryNames, {}, "TransactionRepository::categoryNames failed:");
    if (!Sql::exec(q, "TransactionRepository::categoryNames failed:"))
        return names;
    while (q->next())
        names.insert(q->value(0).toString(), q->value(1).toString());
    q->finish();
    return names;
}

void TransactionRepository::dropCachesIfWrittenElsewhere()
{
    // data_version changes only when another connection commits to the file.
    QSqlQuery *q = m_statements.prepare(QStringLiteral("PRAGMA data_version"), {},
                                        "TransactionRepository: cannot read the data version:");
    if (!Sql::exec(q, "TransactionRepository: cannot read the data version:") || !q->next())
        return;
    const qint64 version = q->value(0).toLongLong();
    q->finish();
    if (version == m_dataVersion)
        return;
    if (m_dataVersion != -1) {
        for (const QString &sql : {QStringLiteral("DELETE FROM temp.account_totals"),
                                   QStringLiteral("DELETE FROM temp.payee_counts_ready"),
                                   QStringLiteral("DELETE FROM temp.payee_counts")}) {
            q = m_statements.prepare(sql, {}, "TransactionRepository: cannot drop the caches:");
            if (!Sql::exec(q, "TransactionRepository: cannot drop the caches:"))
                return;  // keep the old version: try again next time
        }
    }
    m_dataVersion = version;
}

QStringList TransactionRepository::payees()
{
    QStringList result;
    dropCachesIfWrittenElsewhere();
    // The first call counts the live rows per payee; the triggers keep the
    // counts from then on, so later calls read a few hundred rows, not all.
    QSqlQuery *q = m_statements.prepare(QStringLiteral("SELECT 1 FROM temp.payee_counts_ready"), {},
                                        "TransactionRepository::payees failed:");
    if (!Sql::exec(q, "TransactionRepository::payees failed:"))
        return result;
    const bool ready = q->next();
    q->finish();
    if (!ready) {
        // Only temporary tables are written: no need to wait for the store's write lock.
        DbTransaction tx(m_database->connection(), DbTransaction::Mode::Deferred);
        if (!tx.isActive())
            return result;
        for (const QString &sql :
             {QStringLiteral("DELETE FROM temp.payee_counts"),
              TransactionCaches::countPayeesSql(),
              QStringLiteral("INSERT INTO temp.payee_counts_ready (built) VALUES (1)")}) {
            q = m_statements.prepare(sql, {}, "TransactionRepository::payees failed:");
            if (!Sql::exec(q, "TransactionRepository::payees failed:"))
                return result;
        }
        if (!tx.commit())
            return result;
    }
    q = m_statements.prepare(QStringLiteral("SELECT payee FROM temp.payee_counts WHERE n > 0 ORDER BY payee"), {},
                             "TransactionRepository::payees failed:");
    if (!Sql::exec(q, "TransactionRepository::payees failed:"))
        return result;
    while (q->next())
        result.append(q->value(0).toString());
    q->finish();
    return result;
}

bool TransactionRepository::hasAnyForAccount(const QString &accountId)
{
    QSqlQuery *q = m_statements.prepare(QStringLiteral("SELECT 1 FROM transactions WHERE account_id = ? LIMIT 1"),
                                        {accountId}, "TransactionRepository::hasAnyForAccount failed:");
    if (!Sql::exec(q, "TransactionRepository::hasAnyForAccount failed:"))
        return true;  // unknown: better to keep the currency than to misread amounts
    const bool any = q->next();
    q->finish();
    return any;
}

qint64 TransactionRepository::balance(const QString &accountId)
{
    dropCachesIfWrittenElsewhere();
    qint64 starting = 0;
    QSqlQuery *q = m_statements.prepare(QStringLiteral("SELECT starting_balance FROM accounts WHERE id = ?"), {accountId},
                                        "TransactionRepository::balance failed:");
    if (Sql::exec(q, "TransactionRepository::balance failed:") && q->next())
        starting = q->value(0).toLongLong();
    if (q)
        q->finish();

    q = m_statements.prepare(QStringLiteral("SELECT total FROM temp.account_totals WHERE account_id = ?"), {accountId},
                             "TransactionRepository::balance failed:");
    if (Sql::exec(q, "TransactionRepository::balance failed:") && q->next()) {
        const qint64 total = q->value(0).toLongLong();
        q->finish();
        return starting + total;
    }
    if (q)
        q->finish();

    qint64 total = 0;
    q = m_statements.prepare(
        QStringLiteral("SELECT COALESCE(SUM(amount), 0) FROM transactions WHERE account_id = ? AND deleted_at IS NULL"),
        {accountId}, "TransactionRepository::balance failed:");
    if (!Sql::exec(q, "TransactionRepository::balance failed:") || !q->next())
        return starting;
    total = q->value(0).toLongLong();
    q->finish();
    q = m_statements.prepare(QStringLiteral("INSERT OR REPLACE INTO temp.account_totals (account_id, total) VALUES (?, ?)"),
                             {accountId, total}, "TransactionRepository::balance failed:");
    Sql::exec(q, "TransactionRepository::balance failed:");
    return starting + total;
}

bool TransactionRepository::insert(const Transaction &t)
{
    QSqlQuery *q = m_statements.prepare(
        QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, check_number, "
                       "cleared, reconciled, transfer_link_id, transfer_dest_account_id, is_split, recurring_id, "
                       "version, sync_status, server_id, created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                       "?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {t.id, t.accountId, SqlValue::date(t.date), t.payee, t.memo, t.amount, SqlValue::nullable(t.categoryId),
         t.checkNumber, t.cleared ? 1 : 0, t.reconciled ? 1 : 0, t.transferLinkId, t.transferDestAccountId,
         t.isSplit ? 1 : 0, t.recurringId, t.version, Codes::syncStatusCode(t.syncStatus), t.serverId,
         SqlValue::timestamp(t.createdAt), SqlValue::timestamp(t.updatedAt)},
        "TransactionRepository::insert failed:");
    if (!Sql::exec(q, "TransactionRepository::insert failed:"))
        return false;
    Q_EMIT transactionsChanged(t.accountId);
    return true;
}

bool TransactionRepository::update(const Transaction &t)
{
    QSqlQuery *q = m_statements.prepare(
        QStringLiteral("UPDATE transactions SET date=?, payee=?, memo=?, amount=?, category_id=?, check_number=?, "
                       "cleared=?, reconciled=?, transfer_link_id=?, transfer_dest_account_id=?, is_split=?, "
                       "recurring_id=?, version=?, sync_status=?, server_id=?, updated_at=? WHERE id=?"),
        {SqlValue::date(t.date), t.payee, t.memo, t.amount, SqlValue::nullable(t.categoryId), t.checkNumber,
         t.cleared ? 1 : 0, t.reconciled ? 1 : 0, t.transferLinkId, t.transferDestAccountId, t.isSplit ? 1 : 0,
         t.recurringId, t.version, Codes::syncStatusCode(t.syncStatus), t.serverId, SqlValue::timestamp(t.updatedAt),
         t.id},
        "TransactionRepository::update failed:");
    if (!Sql::exec(q, "TransactionRepository::update failed:"))
        return false;
    Q_EMIT transactionsChanged(t.accountId);
    return true;
}

bool TransactionRepository::softDelete(const QString &id)
{
    QString accountId;
    QSqlQuery *q = m_statements.prepare(QStringLiteral("SELECT account_id FROM transactions WHERE id = ?"), {id},
                                        "TransactionRepository::softDelete failed:");
    if (Sql::exec(q, "TransactionRepository::softDelete failed:") && q->next())
        accountId = q->value(0).toString();
    if (q)
        q->finish();

    const QString now = SqlValue::timestamp(Clock::nowUtc());
    q = m_statements.prepare(
        QStringLiteral("UPDATE transactions SET deleted_at=?, sync_status='pending', updated_at=? WHERE id=?"),
        {now, now, id}, "TransactionRepository::softDelete failed:");
    if (!Sql::exec(q, "TransactionRepository::softDelete failed:"))
        return false;
    Q_EMIT transactionsChanged(accountId);
    return true;
}

bool TransactionRepository::softDeleteByAccount(const QString &accountId, int *rows)
{
    const QString now = SqlValue::timestamp(Clock::nowUtc());
    QSqlQuery *q = m_statements.prepare(
        QStringLiteral("UPDATE transactions SET deleted_at = ?, updated_at = ?, sync_status = 'pending' WHERE "
                       "account_id = ? AND deleted_at IS NULL"),
        {now, now, accountId}, "TransactionRepository::softDeleteByAccount failed:");
    if (!Sql::exec(q, "TransactionRepository::softDeleteByAccount failed:"))
        return false;
    if (rows)
        *rows = q->numRowsAffected();
    Q_EMIT transactionsChanged(accountId);
    return true;
}

bool TransactionRepository::restoreByAccount(const QString &accountId, const QString &deletedSince, int *rows)
{
    QSqlQuery *q = m_statements.prepare(
        QStringLiteral("UPDATE transactions SET deleted_at = NULL, updated_at = ?, sync_status = 'pending' WHERE "
                       "account_id = ? AND deleted_at >= ?"),
        {SqlValue::timestamp(Clock::nowUtc()), accountId, deletedSince},
        "TransactionRepository::restoreByAccount failed:");
    if (!Sql::exec(q, "TransactionRepository::restoreByAccount failed:"))
        return false;
    if (rows)
        *rows = q->numRowsAffected();
    Q_EMIT transactionsChanged(accountId);
    return true;
}

int TransactionRepository::markAllPendingForResync()
{
    QSqlQuery *q = m_statements.prepare(QStringLiteral("UPDATE transactions SET sync_status = 'pending' WHERE "
                                                       "deleted_at IS NULL AND sync_status != 'pending'"),
                                        {}, "TransactionRepository::markAllPendingForResync failed:");
    if (!Sql::exec(q, "TransactionRepository::markAllPendingForResync failed:"))
        return 0;
    return q->numRowsAffected();
}

bool TransactionRepository::markSynced(const QString &id, const QString &serverId)
{
    QSqlQuery *q = m_statements.prepare(
        QStringLiteral("UPDATE transactions SET sync_status='synced', server_id=? WHERE id=?"), {serverId, id},
        "TransactionRepository::markSynced failed:");
    return q && q->exec();
}

int TransactionRepository::renamePayee(const QString &from, const QString &to)
{
    QSqlQuery *q = m_statements.prepare(
        QStringLiteral("UPDATE transactions SET payee = ?, updated_at = ?, sync_status = 'pending' WHERE payee = ? "
                       "AND deleted_at IS NULL"),
        {to, SqlValue::timestamp(Clock::nowUtc()), from}, "TransactionRepository::renamePayee failed:");
    if (!Sql::exec(q, "TransactionRepository::renamePayee failed:"))
        return -1;
    const int rows = q->numRowsAffected();
    // A rename spans accounts: the empty id asks every listener to reload.
    if (rows > 0)
        Q_EMIT transactionsChanged(QString());
    return rows;
}

qint64 TransactionRepository::reconciledTotal(const QString &accountId, QDate *latestDate)
{
    if (latestDate)
        *latestDate = QDate();
    QSqlQuery *q = m_statements.prepare(
        QStringLiteral("SELECT COALESCE(SUM(amount), 0), MAX(date) FROM transactions WHERE account_id = ? AND "
                       "deleted_at IS NULL AND reconciled = 1"),
        {accountId}, "TransactionRepository::reconciledTotal failed:");
    if (!Sql::exec(q, "TransactionRepository::reconciledTotal failed:") || !q->next())
        return 0;
    const qint64 total = q->value(0).toLongLong();
    if (latestDate)
        *latestDate = SqlValue::parseDate(q->value(1).toString());
    q->finish();
    return total;
}

qint64 TransactionRepository::clearedTotal(const QString &accountId, const QDate &asOf)
{
    QSqlQuery *q = m_statements.prepare(
        QStringLiteral("SELECT COALESCE(SUM(amount), 0) FROM transactions WHERE account_id = ? AND deleted_at IS NULL "
                       "AND (cleared = 1 OR reconciled = 1) AND date <= ?"),
        {accountId, SqlValue::date(asOf)}, "TransactionRepository::clearedTotal failed:");
    if (!Sql::exec(q, "TransactionRepository::clearedTotal failed:") || !q->next())
        return 0;
    const qint64 total = q->value(0).toLongLong();
    q->finish();
    return total;
}
