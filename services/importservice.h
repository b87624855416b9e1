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
class PreferencesRepository;
class SafetyCopies;
class SplitLineRepository;
class TransactionRepository;
struct CsvMapping;

// What a bank statement says an account held, beside what the account holds
// now: the starting balance and the cleared rows up to the statement's date.
struct StatementBalance {
    QString accountId;
    QString accountName;
    int currency = 0;
    QDate date;
    qint64 bank = 0;     // the statement's LEDGERBAL
    qint64 cleared = 0;  // the account's cleared balance on that date

    bool agrees() const { return bank == cleared; }
};

struct ImportResult {
    // Why an import wrote nothing at all.
    enum class Stop {
        None,
        DatabaseError,  // a write or the commit failed; everything was rolled back
        DiskFull,       // the disk filled up; everything was rolled back
        StoreBusy,      // another program held the store past the wait
        NoSafetyCopy,   // no copy of the store could be made first
    };

    int imported = 0;
    int transfersLinked = 0;
    int duplicates = 0;
    int metadata = 0;
    int unparseable = 0;
    int unmapped = 0;  // records of sources mapped to no account, or skipped on purpose
    int databaseErrors = 0;
    int splitsNotAddingUp = 0;
    int splitsTooLong = 0;
    int textsCut = 0;
    int categoriesCreated = 0;
    int accountsCreated = 0;
    int investmentStatements = 0;     // OFX: not supported, nothing of them read
    int otherCurrencyStatements = 0;  // OFX: in a currency the app does not keep
    QStringList truncatedFiles;       // OFX files that end before their end
    QList<StatementBalance> balances;  // OFX: one per statement account imported
    bool aborted = false;    // nothing was written: see stop
    bool cancelled = false;  // the user stopped it: everything was rolled back
    Stop stop = Stop::None;
    QString detail;      // for NoSafetyCopy, why not
    QString safetyCopy;  // the copy of the store made before the import
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
    int splitsNotAddingUp = 0;
    int splitsTooLong = 0;
    int textsCut = 0;
    int dateOrder = 1;  // the order the dates were read in (QifReader::DateOrder)
    int detectedDateOrder = 1;
    bool dateOrderAmbiguous = false;
    QString sampleDate;  // a date value as written, to show read in each order
    // QIF amounts are cents whatever the account; CSV amounts were read in
    // the target account's currency already, OFX amounts in the currency of
    // their statement.
    bool amountsInCents = true;

    // OFX: the statements' accounts, whose keys are the records' source accounts.
    bool isOfx = false;
    QList<StatementAccount> statements;
    int investmentStatements = 0;
    int otherCurrencyStatements = 0;
    bool truncated = false;
};

// Accounts to insert at the start of an import, keyed by the lower-cased
// source key they receive; inserted in the import's database transaction, so
// an import that is rolled back leaves none of them behind.
struct NewAccounts {
    AccountRepository *repository = nullptr;
    QHash<QString, Account> bySourceKey;
    // Use a live account of the same name instead, when one exists by the
    // time the import holds the store: another import may have made it
    // while this one waited.
    bool reuseSameName = false;
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

    // dateOrder: a QifReader::DateOrder; DetectOrder reads the file in the order it detects.
    static ImportFile readQif(const QString &path, int dateOrder = 0);
    static ImportFile readCsv(const QString &path, const CsvMapping &mapping, int currency);
    static ImportFile readOfx(const QString &path);

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

    // From runningChanged(true) to runningChanged(false).
    bool isRunning() const { return m_running; }

    // Where the copy of the store made before every import goes. Without
    // it no copy is made.
    void setSafetyCopies(SafetyCopies *copies) { m_safetyCopies = copies; }

    // Where the currencies of the target accounts are looked up: QIF amounts
    // going into an account without minor units (yen) are converted, and no
    // transfer is linked across currencies. Without it every account counts
    // as two-decimal.
    void setAccounts(AccountRepository *accounts) { m_accounts = accounts; }

    // A new account for a source account of a QIF file.
    static Account accountForSource(const QString &name, int qifTypeCode, int sortOrder);
    // A new account for an OFX statement's account: its type, currency and
    // last four digits.
    static Account accountForStatement(const StatementAccount &statement, int sortOrder);
    // The name an account made for the statement's account gets.
    static QString statementAccountName(const StatementAccount &statement);

    // Where the OFX import remembers the account each statement account
    // went to last time (statement account key -> account id).
    void setPreferences(PreferencesRepository *preferences) { m_preferences = preferences; }
    static QString statementMapKey() { return QStringLiteral("ofxAccountMap"); }
    // The account suggested for a statement account: the one it went to
    // last time, else the one whose last four digits match, else none.
    QString suggestedAccount(const StatementAccount &statement, const QList<Account> &accounts);
    static AccountType accountType(int qifTypeCode);

    // The lines the import window and the command line show after an import.
    static QStringList resultLines(const ImportResult &result);
    // The bank's balance beside the account's, and the difference if any.
    static QString balanceLine(const StatementBalance &balance);
    static QString rollbackMessage();
    static QString cancelledMessage();
    // Why nothing was imported, for an import that wrote nothing.
    static QString stopMessage(const ImportResult &result);

public Q_SLOTS:
    // Stops a running import at its next progress report and rolls it back.
    void cancel() { m_cancelRequested = true; }

Q_SIGNALS:
    void progress(int done, int total);
    // True before an import makes its safety copy and opens its database
    // transaction; false once that transaction is committed or rolled back.
    // While it runs, the import lets events through (progress, Cancel), so
    // anything else that would write to the store on a timer should hold
    // until it hears false: its rows would join the import's transaction and
    // be rolled back with it.
    void runningChanged(bool running);

private:
    class Run;
    friend class Run;

    ImportResult runImport(const QList<ImportFile> &files, QHash<QString, QString> mapping,
                           const NewAccounts &newAccounts);

    TransactionRepository *m_transactions;
    CategoryRepository *m_categories;
    SplitLineRepository *m_splitLines;
    AccountRepository *m_accounts = nullptr;
    PreferencesRepository *m_preferences = nullptr;
    SafetyCopies *m_safetyCopies = nullptr;
    bool m_running = false;
    bool m_cancelRequested = false;
};
