#include "data/accountrepository.h"
#include "data/database.h"
#include "data/transactionrepository.h"
#include "services/money.h"
#include "tools/cli/clistore.h"
#include "tools/cli/command.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace {

int runInfo(CliStore &store, const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (!args.isEmpty()) {
        err << "usage: quillet-cli info\n";
        return CliExit::Usage;
    }
    out << "data_dir: " << store.dataDirectory() << "\n";
    out << "database: " << store.databasePath() << "\n";
    out << "schema_version: " << store.database()->schemaVersion() << "\n";

    const QSqlDatabase db = store.database()->connection();
    QStringList tables;
    QSqlQuery q(db);
    q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%' AND name "
                          "NOT LIKE 'transactions_fts%' ORDER BY name"));
    while (q.next())
        tables.append(q.value(0).toString());
    for (const QString &table : std::as_const(tables)) {
        // Live rows: a soft-deleted row does not count.
        const bool softDeletes = db.record(table).contains(QStringLiteral("deleted_at"));
        QSqlQuery count(db);
        count.exec(QStringLiteral("SELECT COUNT(*) FROM \"%1\"%2")
                       .arg(table, softDeletes ? QStringLiteral(" WHERE deleted_at IS NULL") : QString()));
        out << table << ": " << (count.next() ? count.value(0).toLongLong() : 0) << "\n";
    }
    return CliExit::Ok;
}

int runBalances(CliStore &store, const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (!args.isEmpty()) {
        err << "usage: quillet-cli balances\n";
        return CliExit::Usage;
    }
    Money::Totals total;
    const QList<Account> accounts = store.accounts()->listLive();
    for (const Account &account : accounts) {
        const qint64 balance = store.transactions()->balance(account.id);
        total.add(balance, account.currency);
        out << account.name << "\t" << Money::formatMoney(balance, account.currency) << "\n";
    }
    out << "Total: " << total.text() << "\n";
    return CliExit::Ok;
}

const CliCommand::Registrar infoCommand("info", "info", runInfo);
const CliCommand::Registrar balancesCommand("balances", "balances", runBalances);

} // namespace
