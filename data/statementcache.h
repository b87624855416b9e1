#pragma once

#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

class QSqlError;

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

// The "<what> <error>" warning every repository gives on failure. The error
// is also kept as the last failure.
void warn(const char *what, const QSqlQuery &q);

// The most recent statement failure on any connection (the app uses one
// thread): SQLite's extended result code (0 when unknown) and the driver's
// text. A write that fails can then tell the user why.
struct Failure {
    int code = 0;
    QString text;
};
Failure lastFailure();
void noteFailure(const QSqlError &error);

} // namespace Sql
