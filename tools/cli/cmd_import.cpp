#include "data/accountrepository.h"
#include "data/sharedaccess.h"
#include "services/csvmapping.h"
#include "services/importservice.h"
#include "services/ofxreader.h"
#include "services/qifreader.h"
#include "services/services.h"
#include "tools/cli/clistore.h"
#include "tools/cli/command.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QSet>

namespace {

const char *const kUsage =
    "import FILE... [--into ACCOUNT] [--map SOURCE=TARGET]... [--create-missing] [--format qif|csv|ofx] "
    "[--date-order mdy|dmy|ymd] [--csv-columns date=N,payee=N,amount=N[,memo=N][,category=N]] [--csv-header] "
    "[--csv-date-format FORMAT]";

// Everything the command line says, checked against the store.
class ImportRequest
{
public:
    ImportRequest(CliStore &store, QTextStream &err) : m_store(store), m_err(err) {}

    int run(const QStringList &args, QTextStream &out);

private:
    // Each step returns false after setting m_error.
    bool parse(const QStringList &args);
    bool accountId(const QString &name, QString *id);
    QString fileKey(const QString &source) const;
    bool readFiles();
    bool csvMapping(const QString &firstFile, CsvMapping *mapping);
    bool mapSources();
    void warnAmbiguousDates(const ImportFile &file);
    bool fail(const QString &error)
    {
        m_error = error;
        return false;
    }

    CliStore &m_store;
    QTextStream &m_err;
    QCommandLineParser m_parser;
    QStringList m_paths;
    bool m_csv = false;
    bool m_ofx = false;
    int m_dateOrder = QifReader::DetectOrder;
    QList<Account> m_accounts;
    QList<ImportFile> m_files;
    QHash<QString, QString> m_mapping;
    NewAccounts m_newAccounts;
    QString m_error;
    bool m_unreadable = false;
};

bool ImportRequest::parse(const QStringList &args)
{
    m_parser.addOption({QStringLiteral("into"), QString(), QStringLiteral("ACCOUNT")});
    m_parser.addOption({QStringLiteral("map"), QString(), QStringLiteral("SOURCE=TARGET")});
    m_parser.addOption({QStringLiteral("create-missing"), QString()});
    m_parser.addOption({QStringLiteral("format"), QString(), QStringLiteral("qif|csv|ofx")});
    m_parser.addOption({QStringLiteral("csv-columns"), QString(), QStringLiteral("COLUMNS")});
    m_parser.addOption({QStringLiteral("csv-header"), QString()});
    m_parser.addOption({QStringLiteral("csv-date-format"), QString(), QStringLiteral("FORMAT")});
    m_parser.addOption({QStringLiteral("date-order"), QString(), QStringLiteral("mdy|dmy|ymd")});
    if (!m_parser.parse(QStringList{QStringLiteral("quillet-cli")} + args))
        return fail(m_parser.errorText());

    const QStringList files = m_parser.positionalArguments();
    if (files.isEmpty())
        return fail(QStringLiteral("no file given"));
    for (const QString &file : files)
        m_paths.append(QFileInfo(file).absoluteFilePath());

    const QString format = m_parser.value(QStringLiteral("format")).toLower();
    if (format == QLatin1String("csv")) {
        m_csv = true;
    } else if (format == QLatin1String("ofx")) {
        m_ofx = true;
    } else if (format.isEmpty()) {
        // OFX and QFX by their content, whatever their names say.
        int csvFiles = 0;
        int ofxFiles = 0;
        for (const QString &path : std::as_const(m_paths)) {
            if (OfxReader::isOfxFile(path))
                ++ofxFiles;
            else
                csvFiles += path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive) ? 1 : 0;
        }
        if (ofxFiles > 0 && ofxFiles < m_paths.size())
            return fail(QStringLiteral("OFX and other files mixed; import them separately or pass --format"));
        if (csvFiles > 0 && csvFiles < m_paths.size())
            return fail(QStringLiteral("QIF and CSV files mixed; import them separately or pass --format"));
        m_csv = csvFiles > 0;
        m_ofx = ofxFiles > 0;
    } else if (format != QLatin1String("qif")) {
        return fail(QStringLiteral("unknown format \"%1\" (qif, csv or ofx)").arg(format));
    }
    if (m_ofx && !OfxReader::isAvailable())
        return fail(QStringLiteral("this build cannot read OFX files"));
    if (m_parser.isSet(QStringLiteral("date-order"))) {
        const QString order = m_parser.value(QStringLiteral("date-order")).toLower();
        m_dateOrder = order == QLatin1String("mdy")   ? QifReader::MonthFirst
                      : order == QLatin1String("dmy") ? QifReader::DayFirst
                      : order == QLatin1String("ymd") ? QifReader::YearFirst
                                                      : QifReader::DetectOrder;
        if (m_dateOrder == QifReader::DetectOrder)
            return fail(QStringLiteral("unknown date order \"%1\" (mdy, dmy or ymd)").arg(order));
        if (m_csv)
            return fail(QStringLiteral("--date-order is for QIF files; CSV files take --csv-date-format"));
        if (m_ofx)
            return fail(QStringLiteral("--date-order is for QIF files; OFX files say their dates in one way"));
    }
    // An account shared with the user to view only takes no rows.
    m_accounts = SharedAccess(m_store.preferences()).writable(m_store.accounts()->listLive());
    return true;
}

bool ImportRequest::accountId(const QString &name, QString *id)
{
    if (name == ImportService::skipMarker()) {
        *id = name;
        return true;
    }
    // An exact name first, then one that differs only in case.
    for (const Account &a : std::as_const(m_accounts)) {
        if (a.name == name) {
            *id = a.id;
            return true;
        }
    }
    QString found;
    for (const Account &a : std::as_const(m_accounts)) {
        if (a.name.compare(name, Qt::CaseInsensitive) == 0) {
            if (!found.isEmpty())
                return fail(QStringLiteral("account name \"%1\" is ambiguous").arg(name));
            found = a.id;
        }
    }
    if (found.isEmpty())
        return fail(QStringLiteral("unknown account \"%1\"").arg(name));
    *id = found;
    return true;
}

// A --map source that names one of the files stands for that file's
// records outside any account block.
QString ImportRequest::fileKey(const QString &source) const
{
    const QString absolute = QFileInfo(source).absoluteFilePath();
    if (m_paths.contains(absolute))
        return ImportService::sourceKey(QString(), absolute);
    // A statement account by its number (ACCTID) as well as by its key.
    for (const ImportFile &file : m_files) {
        for (const StatementAccount &statement : file.statements) {
            if (statement.number.compare(source, Qt::CaseInsensitive) == 0)
                return ImportService::sourceKey(statement.key, file.path);
        }
    }
    return ImportService::sourceKey(source, QString());
}

bool ImportRequest::csvMapping(const QString &firstFile, CsvMapping *mapping)
{
    CsvMapping &m = *mapping;
    const QString columns = m_parser.value(QStringLiteral("csv-columns"));
    if (columns.isEmpty()) {
        m = CsvConverter::guessMapping(CsvReader::parseFile(firstFile));
        if (m.date < 0 || (m.amount < 0 && !m.usesDebitCredit()))
            return fail(QStringLiteral("cannot tell the columns of %1; pass --csv-columns").arg(firstFile));
    } else {
        m.firstRowIsHeader = m_parser.isSet(QStringLiteral("csv-header"));
        const QStringList parts = columns.split(QLatin1Char(','), Qt::SkipEmptyParts);
        for (const QString &part : parts) {
            const QString name = part.section(QLatin1Char('='), 0, 0).trimmed().toLower();
            bool ok = false;
            const int column = part.section(QLatin1Char('='), 1).trimmed().toInt(&ok) - 1;
            int *slot = name == QLatin1String("date")       ? &m.date
                        : name == QLatin1String("payee")    ? &m.payee
                        : name == QLatin1String("amount")   ? &m.amount
                        : name == QLatin1String("debit")    ? &m.debit
                        : name == QLatin1String("credit")   ? &m.credit
                        : name == QLatin1String("memo")     ? &m.memo
                        : name == QLatin1String("category") ? &m.category
                                                            : nullptr;
            if (!slot || !ok || column < 0)
                return fail(QStringLiteral("bad --csv-columns entry \"%1\" (name=N, N from 1)").arg(part));
            *slot = column;
        }
        if (m.date < 0 || (m.amount < 0 && !m.usesDebitCredit()))
            return fail(QStringLiteral("--csv-columns needs date and amount (or debit and credit)"));
    }
    const QString dateFormat = m_parser.value(QStringLiteral("csv-date-format"));
    if (!dateFormat.isEmpty() && dateFormat.compare(QLatin1String("auto"), Qt::CaseInsensitive) != 0) {
        if (!CsvConverter::dateFormats().contains(dateFormat))
            return fail(QStringLiteral("unknown date format \"%1\" (one of: %2, auto)")
                                 .arg(dateFormat, CsvConverter::dateFormats().join(QLatin1String(", "))));
        m.dateFormat = dateFormat;
    }
    return true;
}

bool ImportRequest::mapSources()
{
    const QStringList maps = m_parser.values(QStringLiteral("map"));
    for (const QString &map : maps) {
        const qsizetype eq = map.indexOf(QLatin1Char('='));
        if (eq <= 0 || eq == map.size() - 1)
            return fail(QStringLiteral("bad --map \"%1\" (SOURCE=TARGET)").arg(map));
        QString target;
        if (!accountId(map.mid(eq + 1), &target))
            return false;
        m_mapping.insert(fileKey(map.left(eq)), target);
    }
    QString into;
    if (m_parser.isSet(QStringLiteral("into")) && !accountId(m_parser.value(QStringLiteral("into")), &into))
        return false;
    const bool create = m_parser.isSet(QStringLiteral("create-missing"));
    m_newAccounts.repository = m_store.accounts();
    // Another import started at the same time may make the same accounts
    // while this one waits for the store.
    m_newAccounts.reuseSameName = true;
    int sortOrder = 0;
    for (const Account &a : std::as_const(m_accounts))
        sortOrder = qMax(sortOrder, a.sortOrder + 1);

    QSet<QString> known;
    for (const ImportFile &file : std::as_const(m_files)) {
        for (const SourceAccount &source : file.sourceAccounts) {
            const QString key = ImportService::sourceKey(source.name, file.path);
            if (known.contains(key))
                continue;
            known.insert(key);
            if (m_mapping.contains(key))
                continue;
            const auto statement =
                std::find_if(file.statements.cbegin(), file.statements.cend(),
                             [&source](const StatementAccount &a) { return a.key == source.name; });
            const QString suggested = statement == file.statements.cend()
                ? QString()
                : m_store.services()->import()->suggestedAccount(*statement, m_accounts);
            if (!into.isEmpty()) {
                m_mapping.insert(key, into);
            } else if (!suggested.isEmpty()) {
                m_mapping.insert(key, suggested);
            } else if (create && statement != file.statements.cend()) {
                const Account account = ImportService::accountForStatement(*statement, sortOrder++);
                m_newAccounts.bySourceKey.insert(key, account);
                m_mapping.insert(key, ImportService::createMarker());
                m_accounts.append(account);
            } else if (create) {
                // "Missing" means no account of that name yet, so running the
                // same import twice does not make the accounts twice.
                const QString name = source.name.isEmpty() ? QFileInfo(file.path).completeBaseName() : source.name;
                const auto existing = std::find_if(m_accounts.cbegin(), m_accounts.cend(), [&name](const Account &a) {
                    return a.name.compare(name, Qt::CaseInsensitive) == 0;
                });
                if (existing != m_accounts.cend()) {
                    m_mapping.insert(key, existing->id);
                } else {
                    const Account account = ImportService::accountForSource(name, source.typeCode, sortOrder++);
                    m_newAccounts.bySourceKey.insert(key, account);
                    m_mapping.insert(key, ImportService::createMarker());
                    m_accounts.append(account);
                }
            } else {
                m_err << "warning: " << (source.name.isEmpty() ? file.path : source.name)
                      << " is not mapped to an account; its records are skipped\n";
            }
        }
    }
    for (auto it = m_mapping.cbegin(); it != m_mapping.cend(); ++it) {
        if (!known.contains(it.key()))
            m_err << "warning: no source account \"" << it.key() << "\" in the files\n";
    }
    return true;
}

bool ImportRequest::readFiles()
{
    CsvMapping mapping;
    int currency = 0;
    if (m_csv) {
        if (!csvMapping(m_paths.first(), &mapping))
            return false;
        // The amounts are read in the currency of the account they go to.
        const QStringList maps = m_parser.values(QStringLiteral("map"));
        QString target = m_parser.value(QStringLiteral("into"));
        if (!maps.isEmpty())
            target = maps.first().section(QLatin1Char('='), 1);
        for (const Account &a : std::as_const(m_accounts)) {
            if (a.name.compare(target, Qt::CaseInsensitive) == 0)
                currency = int(a.currency);
        }
    }
    for (const QString &path : std::as_const(m_paths)) {
        ImportFile file = m_csv ? ImportService::readCsv(path, mapping, currency)
                          : m_ofx ? ImportService::readOfx(path)
                                  : ImportService::readQif(path, m_dateOrder);
        if (!file.readable) {
            m_unreadable = true;
            return fail(QStringLiteral("cannot read %1").arg(path));
        }
        if (m_dateOrder == QifReader::DetectOrder && file.dateOrderAmbiguous)
            warnAmbiguousDates(file);
        m_files.append(std::move(file));
    }
    return true;
}

// Nothing in the file tells 05/03/2024 (May 3) from 05/03/2024 (5 March):
// say which reading was taken and how to choose the other.
void ImportRequest::warnAmbiguousDates(const ImportFile &file)
{
    const QDate monthFirst = QifReader::parseDate(file.sampleDate, QifReader::MonthFirst);
    const QDate dayFirst = QifReader::parseDate(file.sampleDate, QifReader::DayFirst);
    m_err << "warning: " << file.path << ": no date shows whether the day or the month comes first; read month first ("
          << file.sampleDate << " is " << monthFirst.toString(Qt::ISODate) << ", not "
          << dayFirst.toString(Qt::ISODate) << "). Pass --date-order dmy to read it day first.\n";
}

int ImportRequest::run(const QStringList &args, QTextStream &out)
{
    if (!parse(args) || !readFiles() || !mapSources()) {
        m_err << "quillet-cli import: " << m_error << "\n";
        if (m_unreadable)
            return CliExit::Failure;
        m_err << "usage: quillet-cli " << kUsage << "\n";
        return CliExit::Usage;
    }

    const ImportResult result = m_store.services()->import()->importFiles(m_files, m_mapping, m_newAccounts);
    const QStringList lines = ImportService::resultLines(result);
    for (const QString &line : lines)
        out << line << "\n";
    return result.rolledBack() ? CliExit::Failure : CliExit::Ok;
}

int runImport(CliStore &store, const QStringList &args, QTextStream &out, QTextStream &err)
{
    ImportRequest request(store, err);
    return request.run(args, out);
}

const CliCommand::Registrar importCommand("import", kUsage, runImport);

} // namespace
