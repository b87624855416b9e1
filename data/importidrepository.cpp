#include "data/importidrepository.h"

#include "data/ids.h"
#include "data/sqlvalue.h"

#include <QUuid>

ImportIdRepository::ImportIdRepository(const QSqlDatabase &db)
    : m_statements(db)
{
}

bool ImportIdRepository::forAccount(const QString &accountId, QHash<QString, QString> *ids)
{
    QSqlQuery *q = m_statements.prepare(QStringLiteral("SELECT fitid, transaction_id FROM import_ids WHERE account_id = ?"),
                                        {accountId}, "ImportIdRepository::forAccount failed:");
    if (!Sql::exec(q, "ImportIdRepository::forAccount failed:"))
        return false;
    while (q->next())
        ids->insert(q->value(0).toString(), q->value(1).toString());
    q->finish();
    return true;
}

bool ImportIdRepository::insert(const QString &accountId, const QString &fitid, const QString &transactionId,
                                const QDateTime &createdAt)
{
    QSqlQuery *q = m_statements.prepare(
        QStringLiteral("INSERT INTO import_ids (id, account_id, fitid, transaction_id, created_at) VALUES (?, ?, ?, ?, ?)"),
        {idFor(accountId, fitid), accountId, fitid, transactionId, SqlValue::timestamp(createdAt)},
        "ImportIdRepository::insert failed:");
    return Sql::exec(q, "ImportIdRepository::insert failed:");
}

QString ImportIdRepository::idFor(const QString &accountId, const QString &fitid)
{
    static const QUuid kNamespace(QStringLiteral("{6f1d3c2a-6b0e-5d4f-9a57-1e2c0b7d4a31}"));
    return Ids::nameBased(kNamespace, accountId + QLatin1Char('\n') + fitid);
}
