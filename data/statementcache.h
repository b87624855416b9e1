#pragma once

#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

#include <memory>

// Keeps one prepared statement per SQL text for a repository, so a hot write
// path (an import, a posting pass) does not re-prepare on every row.
class StatementCache
{
public:
    explicit StatementCache(const QSqlDatabase &db) : m_db(db) {}

    // The prepared statement for sql with the given values bound by position,
    // or nullptr (after a warning naming what) when it cannot be prepared.
    QSqlQuery *prepare(const QString &sql, const QVariantList &binds, const char *what);

    QSqlDatabase database() const { return m_db; }

private:
    QSqlDatabase m_db;
    QHash<QString, std::shared_ptr<QSqlQuery>> m_statements;
};

namespace Sql {

// Runs a prepared statement; on failure logs "<what> <driver error>" and returns false.
bool exec(QSqlQuery *q, const char *what);

// The "<what> <error>" warning every repository gives on failure.
void warn(const char *what, const QSqlQuery &q);

} // namespace Sql
