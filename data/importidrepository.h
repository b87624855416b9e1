#pragma once

#include "data/statementcache.h"

#include <QDateTime>
#include <QHash>
#include <QString>

// The bank's own transaction ids (FITID) the OFX import has met, per account,
// each with the row it brought in or found already there. Local bookkeeping:
// no sync marks, never synced.
class ImportIdRepository
{
public:
    explicit ImportIdRepository(const QSqlDatabase &db);

    // FITID -> transaction id for every id recorded in the account, deleted
    // rows included; false (after a warning) when it cannot be read.
    bool forAccount(const QString &accountId, QHash<QString, QString> *ids);
    bool insert(const QString &accountId, const QString &fitid, const QString &transactionId,
                const QDateTime &createdAt);

    // The row id of a FITID in an account: the same on every device and in
    // every backup, so a restore meets the row it already holds.
    static QString idFor(const QString &accountId, const QString &fitid);

private:
    StatementCache m_statements;
};
