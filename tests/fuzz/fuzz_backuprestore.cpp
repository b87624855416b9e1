#include "data/database.h"
#include "data/dbtransaction.h"
#include "services/backuparchive.h"
#include "services/backuprestorer.h"

#include <QCoreApplication>
#include <QSqlQuery>

#include <cstdint>

namespace {

Database *g_database = nullptr;

int count(const char *sql)
{
    QSqlQuery q(g_database->connection());
    if (!q.exec(QString::fromLatin1(sql)) || !q.next())
        __builtin_trap();
    return q.value(0).toInt();
}

// What a restore may leave in the store whatever the archive said: whole
// numbers in money and flag columns, flags of 0 or 1, real dates, text within
// its limit, and no row pointing at one that is not there.
void checkStore()
{
    if (count("SELECT COUNT(*) FROM transactions WHERE typeof(amount) != 'integer' OR abs(amount) > 9007199254740992 "
              "OR cleared NOT IN (0, 1) OR typeof(cleared) != 'integer' OR is_split NOT IN (0, 1) "
              "OR date(date) IS NOT date OR length(payee) > 4000 OR length(memo) > 4000") != 0)
        __builtin_trap();
    if (count("SELECT COUNT(*) FROM split_lines WHERE typeof(amount) != 'integer' OR transaction_id NOT IN "
              "(SELECT id FROM transactions)") != 0)
        __builtin_trap();
    if (count("SELECT COUNT(*) FROM accounts WHERE typeof(starting_balance) != 'integer' OR is_shared NOT IN (0, 1) "
              "OR instr(id, '/') OR instr(id, '..')") != 0)
        __builtin_trap();
    if (count("SELECT COUNT(*) FROM pragma_foreign_key_check") != 0)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    // Refused rows and damaged streams are logged; the checks below are what counts.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    // One store in memory for the run; every input is rolled back out of it.
    g_database = new Database;
    if (!g_database->open(QStringLiteral(":memory:")) || !g_database->runMigrations())
        __builtin_trap();
    QSqlQuery(g_database->connection())
        .exec(QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('local', 'Local', "
                             "'2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')"));
    return 0;
}

// Whatever the archive holds, the restore returns, counts every row it looked
// at once at most, and leaves a store whose rows fit their columns.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    BackupArchive archive;
    QString error;
    if (!archive.open(bytes, &error))
        return 0;
    DbTransaction outer(g_database->connection());
    for (const BackupMode mode : {BackupMode::Replace, BackupMode::KeepNewer, BackupMode::Exact}) {
        DbTransaction restore(g_database->connection());
        BackupImportResult result;
        BackupRestorer restorer(g_database->connection(), mode, &result);
        if (!restorer.restore(archive) || result.imported < 0 || result.skipped < 0)
            __builtin_trap();
        checkStore();
        if (!restore.commit())
            __builtin_trap();
    }
    outer.rollback();
    return 0;
}
