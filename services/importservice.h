#pragma once

#include "data/records.h"
#include "services/importrecords.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class AccountRepository;
class CategoryRepository;
class SplitLineRepository;
class TransactionRepository;
struct CsvMapping;

struct ImportResult {
    int imported = 0;
    int transfersLinked = 0;
    int duplicates = 0;
    int metadata = 0;
    int unparseable = 0;
    int unmapped = 0;  // records of sources mapped to no account, or skipped on purpose
    int databaseErrors = 0;
    int categoriesCreated = 0;
    int accountsCreated = 0;
    bool aborted = false;    // a database error: everything was rolled back
    bool cancelled = false;  // the user stopped it: everything was rolled back
    QStringList unreadableFiles;

    bool rolledBack() const { return aborted || cancelled; }
};

// One file as read, ready to import.
struct ImportFile {
    QString path;
    bool readable = true;
    QList<ParsedTransaction> transactions;
    QList<ParsedCategory> categories;
    QList<SourceAccount> sourceAccounts;
    int metadata = 0;
    int unparseable = 0;
    int dateOrder = 1;
    // QIF amounts are cents whatever the account; CSV amounts were read in
    // the target account's currency already.
    bool amountsInCents = true;
};

// Accounts to insert at the start of an import, keyed by the lower-cased
// source key they receive; inserted in the import's database transaction, so
// an import that is rolled back leaves none of them behind.
struct NewAccounts {
    AccountRepository *repository = nullptr;
    QHash<QString, Account> bySourceKey;
};

// Writes parsed QIF and CSV transactions into the user's accounts: one
// database transaction per import, duplicates skipped, missing categories
// created, transfers between imported accounts linked.
class ImportService : public QObject
{
    Q_OBJECT
public:
    // Mapping values besides account ids.
    static QString createMarker() { return QStringLiteral("__create__"); }
    static QString skipMarker() { return QStringLiteral("__skip__"); }
    static constexpr int kProgressInterval = 100;

    ImportService(TransactionRepository *transactions, CategoryRepository *categories, SplitLineRepository *splitLines,
                  QObject *parent = nullptr);

    static ImportFile readQif(const QString &path);
    static ImportFile readCsv(const QString &path, const CsvMapping &mapping, int currency);

    // The mapping key of a record: its source account name, or the file path
    // for records outside any account block; lower-cased.
    static QString sourceKey(const QString &sourceAccount, const QString &path);

    // mapping: lower-cased source key -> account id or skipMarker().
    ImportResult importQif(const QStringList &paths, const QHash<QString, QString> &mapping);
    // Every row of every file into one account.
    ImportResult importCsv(const QStringList &paths, const CsvMapping &mapping, const QString &accountId,
                           int currency);
    // Files already read. Keys mapped to createMarker() get the account given
    // for them in newAccounts.
    ImportResult importFiles(const QList<ImportFile> &files, QHash<QString, QString> mapping,
                             const NewAccounts &newAccounts = NewAccounts());

    bool isRunning() const { return m_running; }

    // Where the currencies of the target accounts are looked up: QIF amounts
    // going into an account without minor units (yen) are converted, and no
    // transfer is linked across currencies. Without it every account counts
    // as two-decimal.
    void setAccounts(AccountRepository *accounts) { m_accounts = accounts; }

    // A new account for a source account of a QIF file.
    static Account accountForSource(const QString &name, int qifTypeCode, int sortOrder);
    static AccountType accountType(int qifTypeCode);

    // The lines the import window and the command line show after an import.
    static QStringList resultLines(const ImportResult &result);
    static QString rollbackMessage();
    static QString cancelledMessage();

public Q_SLOTS:
    // Stops a running import at its next progress report and rolls it back.
    void cancel() { m_cancelRequested = true; }

Q_SIGNALS:
    void progress(int done, int total);

private:
    class Run;
    friend class Run;

    TransactionRepository *m_transactions;
    CategoryRepository *m_categories;
    SplitLineRepository *m_splitLines;
    AccountRepository *m_accounts = nullptr;
    bool m_running = false;
    bool m_cancelRequested = false;
};
