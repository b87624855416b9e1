#include "data/splitlinerepository.h"

#include "data/database.h"
#include "data/dbtransaction.h"
#include "data/sqlvalue.h"

#include <QSqlQuery>

SplitLineRepository::SplitLineRepository(Database *database, QObject *parent)
    : QObject(parent)
    , m_statements(database->connection())
{
}

QList<SplitLine> SplitLineRepository::linesOf(const QString &transactionId)
{
    QList<SplitLine> lines;
    QSqlQuery *q = m_statements.prepare(QStringLiteral("SELECT id, transaction_id, category_id, amount, memo, "
                                                       "created_at, updated_at FROM split_lines WHERE transaction_id = ?"),
                                        {transactionId}, "SplitLineRepository::linesOf failed:");
    if (!Sql::exec(q, "SplitLineRepository::linesOf failed:"))
        return lines;
    while (q->next()) {
        SplitLine line;
        line.id = q->value(0).toString();
        line.transactionId = q->value(1).toString();
        line.categoryId = q->value(2).toString();
        line.amount = q->value(3).toLongLong();
        line.memo = q->value(4).toString();
        line.createdAt = SqlValue::parseTimestamp(q->value(5).toString());
        line.updatedAt = SqlValue::parseTimestamp(q->value(6).toString());
        lines.append(line);
    }
    q->finish();
    return lines;
}

QStringList SplitLineRepository::transactionsUsing(const QString &categoryId)
{
    QStringList ids;
    QSqlQuery *q = m_statements.prepare(
        QStringLiteral("SELECT DISTINCT s.transaction_id FROM split_lines s JOIN transactions t ON t.id = "
                       "s.transaction_id WHERE s.category_id = ? AND t.deleted_at IS NULL"),
        {categoryId}, "SplitLineRepository::transactionsUsing failed:");
    if (!Sql::exec(q, "SplitLineRepository::transactionsUsing failed:"))
        return ids;
    while (q->next())
        ids.append(q->value(0).toString());
    q->finish();
    return ids;
}

bool SplitLineRepository::deleteLinesOf(const QString &transactionId)
{
    QSqlQuery *q = m_statements.prepare(QStringLiteral("DELETE FROM split_lines WHERE transaction_id = ?"),
                                        {transactionId}, "SplitLineRepository::deleteLinesOf failed:");
    return Sql::exec(q, "SplitLineRepository::deleteLinesOf failed:");
}

bool SplitLineRepository::insert(const SplitLine &line)
{
    QSqlQuery *q = m_statements.prepare(
        QStringLiteral("INSERT INTO split_lines (id, transaction_id, category_id, amount, memo, created_at, "
                       "updated_at) VALUES (?, ?, ?, ?, ?, ?, ?)"),
        {line.id, line.transactionId, line.categoryId, line.amount, line.memo, SqlValue::timestamp(line.createdAt),
         SqlValue::timestamp(line.updatedAt)},
        "SplitLineRepository::insert failed:");
    return Sql::exec(q, "SplitLineRepository::insert failed:");
}

bool SplitLineRepository::replaceLines(const QString &transactionId, const QList<SplitLine> &lines)
{
    DbTransaction tx(m_statements.database());
    if (!tx.isActive() || !deleteLinesOf(transactionId))
        return false;
    for (SplitLine line : lines) {
        line.transactionId = transactionId;
        if (!insert(line))
            return false;
    }
    return tx.commit();
}
