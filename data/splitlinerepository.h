#pragma once

#include "data/records.h"
#include "data/statementcache.h"

#include <QList>
#include <QObject>
#include <QStringList>

class Database;

// The lines of split transactions. Lines follow their transaction: they are
// deleted and rewritten with it and carry no sync marks of their own.
class SplitLineRepository : public QObject
{
    Q_OBJECT
public:
    explicit SplitLineRepository(Database *database, QObject *parent = nullptr);

    QList<SplitLine> linesOf(const QString &transactionId);
    // Ids of the live transactions with at least one line in the category.
    QStringList transactionsUsing(const QString &categoryId);
    bool deleteLinesOf(const QString &transactionId);
    bool insert(const SplitLine &line);
    // Replaces every stored line of the transaction with lines, in one database transaction.
    bool replaceLines(const QString &transactionId, const QList<SplitLine> &lines);

    QSqlDatabase connection() const { return m_statements.database(); }

private:
    StatementCache m_statements;
};
