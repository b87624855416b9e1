#include "services/importservice.h"

#include "data/clock.h"
#include "data/ids.h"
#include "data/preferencesrepository.h"
#include "services/csvmapping.h"
#include "services/datetext.h"
#include "services/importrun.h"
#include "services/money.h"
#include "services/ofxreader.h"
#include "services/qifreader.h"
#include "services/safetycopies.h"

#include <QJsonObject>

ImportService::ImportService(TransactionRepository *transactions, CategoryRepository *categories,
                             SplitLineRepository *splitLines, QObject *parent)
    : QObject(parent)
    , m_transactions(transactions)
    , m_categories(categories)
    , m_splitLines(splitLines)
{
}

ImportFile ImportService::readQif(const QString &path, int dateOrder)
{
    ImportFile file;
    file.path = path;
    QifParseResult parsed = QifReader::parseFile(path, &file.readable, dateOrder);
    file.transactions = std::move(parsed.transactions);
    file.categories = std::move(parsed.categories);
    file.sourceAccounts = std::move(parsed.sourceAccounts);
    file.metadata = parsed.metadataCount;
    file.unparseable = parsed.unparseableCount;
    file.splitsNotAddingUp = parsed.splitsNotAddingUp;
    file.splitsTooLong = parsed.splitsTooLong;
    file.textsCut = parsed.textsCut;
    file.dateOrder = parsed.dateOrder;
    file.detectedDateOrder = parsed.dateEvidence.detected;
    file.dateOrderAmbiguous = parsed.dateEvidence.ambiguous;
    file.sampleDate = parsed.dateEvidence.sample;
    return file;
}

ImportFile ImportService::readCsv(const QString &path, const CsvMapping &mapping, int currency)
{
    ImportFile file;
    file.path = path;
    const CsvTable table = CsvReader::parseFile(path, &file.readable);
    CsvConversion converted = CsvConverter::convert(table, mapping, currency);
    file.transactions = std::move(converted.transactions);
    file.unparseable = converted.unparseable;
    file.textsCut = converted.textsCut;
    file.amountsInCents = false;
    file.sourceAccounts.append({QString(), QifReader::Bank, int(file.transactions.size())});
    return file;
}

ImportFile ImportService::readOfx(const QString &path)
{
    ImportFile file;
    file.path = path;
    file.isOfx = true;
    file.amountsInCents = false;
    OfxParseResult parsed = OfxReader::parseFile(path, &file.readable);
    file.readable = file.readable && parsed.readable;
    file.transactions = std::move(parsed.transactions);
    file.statements = std::move(parsed.accounts);
    file.unparseable = parsed.unparseableCount;
    file.investmentStatements = parsed.investmentStatements;
    file.otherCurrencyStatements = parsed.otherCurrencyStatements;
    file.truncated = parsed.truncated;
    for (const StatementAccount &a : std::as_const(file.statements)) {
        const int code = a.type == AccountType::CreditCard ? QifReader::CreditCard : QifReader::Bank;
        file.sourceAccounts.append({a.key, code, a.records});
    }
    return file;
}

QString ImportService::sourceKey(const QString &sourceAccount, const QString &path)
{
    return (sourceAccount.isEmpty() ? path : sourceAccount).toLower();
}

ImportResult ImportService::importQif(const QStringList &paths, const QHash<QString, QString> &mapping)
{
    QList<ImportFile> files;
    for (const QString &path : paths)
        files.append(readQif(path));
    return importFiles(files, mapping);
}

ImportResult ImportService::importCsv(const QStringList &paths, const CsvMapping &mapping, const QString &accountId,
                                      int currency)
{
    QList<ImportFile> files;
    QHash<QString, QString> target;
    for (const QString &path : paths) {
        files.append(readCsv(path, mapping, currency));
        target.insert(sourceKey(QString(), path), accountId);
    }
    return importFiles(files, target);
}

ImportResult ImportService::importFiles(const QList<ImportFile> &files, QHash<QString, QString> mapping,
                                        const NewAccounts &newAccounts)
{
    if (m_running) {
        // The progress pump must not start a second import inside the first.
        qWarning() << "ImportService: an import is already running";
        ImportResult refused;
        refused.aborted = true;
        return refused;
    }
    m_running = true;
    m_cancelRequested = false;
    Q_EMIT runningChanged(true);
    const ImportResult result = runImport(files, std::move(mapping), newAccounts);
    m_running = false;
    Q_EMIT runningChanged(false);
    return result;
}

ImportResult ImportService::runImport(const QList<ImportFile> &files, QHash<QString, QString> mapping,
                                      const NewAccounts &newAccounts)
{
    // A way back from an import that turns out wrong: a backup restored
    // later keeps every imported row. Without the copy there is no import;
    // a copy that cannot be written most often means a full disk, where the
    // import would fail as well.
    QString copy;
    if (m_safetyCopies) {
        QString error;
        copy = m_safetyCopies->make(QStringLiteral("before-import"), &error);
        if (copy.isEmpty()) {
            qWarning().noquote() << "QIF import refused: no safety copy:" << error;
            ImportResult refused;
            refused.aborted = true;
            refused.stop = ImportResult::Stop::NoSafetyCopy;
            refused.detail = error;
            return refused;
        }
    }
    Run run(this, files, std::move(mapping));
    ImportResult result = run.execute(newAccounts);
    result.safetyCopy = copy;
    return result;
}

AccountType ImportService::accountType(int qifTypeCode)
{
    switch (qifTypeCode) {
    case QifReader::CreditCard:
        return AccountType::CreditCard;
    case QifReader::Investment:
        return AccountType::Investment;
    case QifReader::Cash:
        return AccountType::Cash;
    case QifReader::OtherAsset:
    case QifReader::OtherLiability:
        return AccountType::Other;
    default:
        return AccountType::Checking;
    }
}

Account ImportService::accountForSource(const QString &name, int qifTypeCode, int sortOrder)
{
    Account a;
    a.id = Ids::newId();
    a.name = name;
    a.type = accountType(qifTypeCode);
    a.sortOrder = sortOrder;
    a.createdAt = Clock::nowUtc();
    a.updatedAt = a.createdAt;
    return a;
}

QString ImportService::statementAccountName(const StatementAccount &statement)
{
    return tr("%1 \u2026%2").arg(Codes::accountTypeLabel(statement.type), statement.lastFour());
}

Account ImportService::accountForStatement(const StatementAccount &statement, int sortOrder)
{
    Account a;
    a.id = Ids::newId();
    a.name = statementAccountName(statement);
    a.type = statement.type;
    a.currency = statement.currency >= 0 ? Currency(statement.currency) : Currency::USD;
    a.accountNumberLast4 = statement.lastFour();
    a.sortOrder = sortOrder;
    a.createdAt = Clock::nowUtc();
    a.updatedAt = a.createdAt;
    return a;
}

QString ImportService::suggestedAccount(const StatementAccount &statement, const QList<Account> &accounts)
{
    const auto fits = [&statement](const Account &a) { return int(a.currency) == statement.currency; };
    // The user's own choice last time comes first: two accounts may well
    // end in the same four digits.
    if (m_preferences) {
        const QJsonObject map = m_preferences->getObject(statementMapKey());
        const QString last = map.value(statement.key).toString();
        for (const Account &a : accounts) {
            if (!last.isEmpty() && a.id == last && fits(a))
                return a.id;
        }
    }
    const QString four = statement.lastFour();
    for (const Account &a : accounts) {
        if (four.size() == 4 && a.accountNumberLast4 == four && fits(a))
            return a.id;
    }
    return QString();
}

QString ImportService::balanceLine(const StatementBalance &b)
{
    QString line = tr("%1: the bank's balance on %2 is %3; the cleared balance here is %4.")
                       .arg(b.accountName, DateText::formatShort(b.date), Money::formatMoney(b.bank, b.currency),
                            Money::formatMoney(b.cleared, b.currency));
    if (!b.agrees())
        line += QLatin1Char(' ') + tr("They differ by %1.").arg(Money::formatMoney(b.bank - b.cleared, b.currency));
    return line;
}

QStringList ImportService::resultLines(const ImportResult &r)
{
    QStringList lines;
    for (const QString &path : r.unreadableFiles)
        lines.append(tr("Could not read %1").arg(path));
    for (const QString &path : r.truncatedFiles)
        lines.append(tr("%1 ends early: a row cut short and the bank's balance were left out").arg(path));
    if (r.rolledBack()) {
        lines.append(r.cancelled ? cancelledMessage() : stopMessage(r));
        return lines;
    }
    lines.append(tr("%n transaction(s) imported", nullptr, r.imported));
    const struct {
        int count;
        const char *text;
    } others[] = {
        {r.transfersLinked, QT_TR_N_NOOP("%n transfer(s) linked across accounts")},
        {r.duplicates, QT_TR_N_NOOP("%n duplicate(s) skipped")},
        {r.unparseable, QT_TR_N_NOOP("%n record(s) skipped (unparseable)")},
        {r.splitsNotAddingUp, QT_TR_N_NOOP("%n split transaction(s) skipped (the lines do not add up to the amount)")},
        {r.splitsTooLong, QT_TR_N_NOOP("%n split transaction(s) skipped (more than 1,000 lines)")},
        {r.textsCut, QT_TR_N_NOOP("%n text(s) longer than 4,000 characters cut short")},
        {r.metadata, QT_TR_N_NOOP("%n metadata record(s) skipped")},
        {r.investmentStatements, QT_TR_N_NOOP("%n investment statement(s) skipped (investment accounts cannot be "
                                              "imported from OFX)")},
        {r.otherCurrencyStatements, QT_TR_N_NOOP("%n statement(s) skipped (in a currency the app does not keep)")},
        {r.unmapped, QT_TR_N_NOOP("%n record(s) skipped (unmapped source account)")},
        {r.databaseErrors, QT_TR_N_NOOP("%n record(s) skipped (database error \u2014 see log)")},
    };
    for (const auto &line : others) {
        if (line.count > 0)
            lines.append(tr(line.text, nullptr, line.count));
    }
    for (const StatementBalance &balance : r.balances)
        lines.append(balanceLine(balance));
    return lines;
}

QString ImportService::rollbackMessage()
{
    return tr("A database error stopped the import and all changes were rolled back. No transactions were added.");
}

QString ImportService::stopMessage(const ImportResult &result)
{
    switch (result.stop) {
    case ImportResult::Stop::DiskFull:
        return tr("The disk is full. The import was stopped and all changes were rolled back. No transactions were "
                  "added.");
    case ImportResult::Stop::StoreBusy:
        return tr("Another program is writing to the data file and did not finish in time. Nothing was imported; "
                  "try again when it is done.");
    case ImportResult::Stop::NoSafetyCopy:
        return tr("Nothing was imported: no safety copy of the data could be made first (%1). Make room on the "
                  "disk and try again.")
            .arg(result.detail);
    case ImportResult::Stop::None:
    case ImportResult::Stop::DatabaseError:
        break;
    }
    return rollbackMessage();
}

QString ImportService::cancelledMessage()
{
    return tr("The import was cancelled and all changes were rolled back. No transactions were added.");
}
