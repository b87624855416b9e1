#include "data/statementcache.h"

#include <QSqlError>

QSqlQuery *StatementCache::prepare(const QString &sql, const QVariantList &binds, const char *what)
{
    std::shared_ptr<QSqlQuery> &slot = m_statements[sql];
    if (!slot) {
        auto q = std::make_shared<QSqlQuery>(m_db);
        q->setForwardOnly(true);
        if (!q->prepare(sql)) {
            Sql::warn(what, *q);
            m_statements.remove(sql);
            return nullptr;
        }
        slot = q;
    }
    QSqlQuery *q = slot.get();
    q->finish();
    for (int i = 0; i < binds.size(); ++i)
        q->bindValue(i, binds.at(i));
    return q;
}

namespace {
Sql::Failure g_lastFailure;
}

namespace Sql {

void warn(const char *what, const QSqlQuery &q)
{
    const QSqlError error = q.lastError();
    QString text = error.text();
    if (text.trimmed().isEmpty())
        text = error.databaseText();
    noteFailure(error);
    qWarning().noquote() << what << text;
}

Failure lastFailure()
{
    return g_lastFailure;
}

void noteFailure(const QSqlError &error)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    g_lastFailure.code = ok ? code : 0;
    g_lastFailure.text = error.databaseText().trimmed().isEmpty() ? error.text() : error.databaseText();
}

bool exec(QSqlQuery *q, const char *what)
{
    if (!q)
        return false;
    if (!q->exec()) {
        warn(what, *q);
        return false;
    }
    return true;
}

} // namespace Sql
