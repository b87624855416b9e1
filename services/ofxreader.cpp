#include "services/ofxreader.h"

#include "services/money.h"
#include "services/ofxtext.h"
#include "services/textdecoding.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QTemporaryDir>

#include <algorithm>
#include <cstring>

#ifdef QUILLET_HAVE_LIBOFX
#include <libofx/libofx.h>
#endif

namespace {

QByteArray readHead(const QString &path, qint64 bytes)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(bytes) : QByteArray();
}

#ifdef QUILLET_HAVE_LIBOFX

// A text field of the library's structures: NUL-terminated within its array
// when valid.
template <std::size_t N>
QString text(const char (&field)[N], int valid)
{
    if (!valid)
        return QString();
    const QByteArrayView bytes(field, qsizetype(strnlen(field, N)));
    // Plain ASCII, as most fields are, reads the same in every encoding.
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; }))
        return QString::fromLatin1(bytes).trimmed();
    return TextDecoding::decode(bytes.toByteArray()).trimmed();
}

// The library reads a date of eight digits (all OfxText leaves it) as a
// time of that day: 10:59 UTC in libofx 0.10, 11:59 in the computer's own
// zone in older releases. Read back the same way, it is the date as written.
QDate dateOf(time_t time, int valid)
{
    // A time of 0 is the library's own for a date the file left out: every
    // date it was handed reads as some time of day.
    if (!valid || time == 0)
        return QDate();
    constexpr qint64 kUtcTimeOfDay = (10 * 60 + 59) * 60;
    const qint64 seconds = qint64(time);
    const bool utc = ((seconds % 86400) + 86400) % 86400 == kUtcTimeOfDay;
    return QDateTime::fromSecsSinceEpoch(seconds, utc ? Qt::UTC : Qt::LocalTime).date();
}

bool isInvestment(const OfxAccountData *account)
{
    return account && account->account_type_valid
        && (account->account_type == OfxAccountData::OFX_INVESTMENT || account->account_type == OfxAccountData::OFX_401K);
}

AccountType accountType(const OfxAccountData &account)
{
    if (!account.account_type_valid)
        return AccountType::Checking;
    switch (account.account_type) {
    case OfxAccountData::OFX_SAVINGS:
    case OfxAccountData::OFX_MONEYMRKT:
        return AccountType::Savings;
    case OfxAccountData::OFX_CREDITCARD:
        return AccountType::CreditCard;
    case OfxAccountData::OFX_CREDITLINE:
        return AccountType::Other;
    case OfxAccountData::OFX_INVESTMENT:
    case OfxAccountData::OFX_401K:
        return AccountType::Investment;
    default:
        return AccountType::Checking;
    }
}

// What the library's callbacks deliver, gathered per statement account.
class Collector
{
public:
    explicit Collector(OfxParseResult *result) : m_result(result) {}

    static int onAccount(const OfxAccountData data, void *self)
    {
        static_cast<Collector *>(self)->account(data);
        return 0;
    }
    static int onStatement(const OfxStatementData data, void *self)
    {
        static_cast<Collector *>(self)->statement(data);
        return 0;
    }
    static int onTransaction(const OfxTransactionData data, void *self)
    {
        static_cast<Collector *>(self)->transaction(data);
        return 0;
    }

    // Ranges, counts, and what a cut file cannot vouch for.
    void finish(bool truncated, bool endsInsideRow);

private:
    struct Range {
        QDate start;
        QDate end;
    };

    // The entry of a bank or credit-card account, or nullptr for one that is
    // not imported (investment, another currency).
    // currency: the statement's CURDEF, when it is known here.
    StatementAccount *entry(const QString &key, const OfxAccountData *account, QString currency);
    void account(const OfxAccountData &data);
    void statement(const OfxStatementData &data);
    void transaction(const OfxTransactionData &data);

    OfxParseResult *m_result;
    QHash<QString, int> m_index;
    QSet<QString> m_investment;
    QSet<QString> m_otherCurrency;
    QHash<QString, Range> m_ranges;  // the statements' own DTSTART and DTEND
    bool m_lastWasRow = false;  // the last row callback added a row
};

StatementAccount *Collector::entry(const QString &key, const OfxAccountData *account, QString currency)
{
    if (m_investment.contains(key) || m_otherCurrency.contains(key))
        return nullptr;
    if (isInvestment(account)) {
        m_investment.insert(key);
        return nullptr;
    }
    const auto found = m_index.constFind(key);
    if (found != m_index.cend())
        return &m_result->accounts[*found];
    // The statement's currency, else the account's; a file that names none is in dollars.
    QString code = currency.toUpper();
    if (code.isEmpty() && account)
        code = text(account->currency, account->currency_valid).toUpper();
    if (code.isEmpty())
        code = QStringLiteral("USD");
    const int kept = Codes::currencyCode(Codes::currencyFromCode(code)) == code ? int(Codes::currencyFromCode(code)) : -1;
    if (kept < 0) {
        m_otherCurrency.insert(key);
        return nullptr;
    }
    StatementAccount a;
    a.key = key;
    a.currencyCode = code;
    a.currency = kept;
    if (account) {
        a.number = text(account->account_number, account->account_number_valid);
        a.type = accountType(*account);
    }
    if (a.number.isEmpty())
        a.number = key;
    m_index.insert(key, int(m_result->accounts.size()));
    m_result->accounts.append(a);
    return &m_result->accounts.last();
}

void Collector::account(const OfxAccountData &data)
{
    const QString key = text(data.account_id, data.account_id_valid);
    if (!key.isEmpty())
        entry(key, &data, text(data.currency, data.currency_valid));
}

void Collector::statement(const OfxStatementData &data)
{
    const QString key = text(data.account_id, data.account_id_valid);
    if (key.isEmpty())
        return;
    StatementAccount *a = entry(key, data.account_ptr, text(data.currency, data.currency_valid));
    if (!a)
        return;
    Range &range = m_ranges[key];
    const QDate start = dateOf(data.date_start, data.date_start_valid);
    const QDate end = dateOf(data.date_end, data.date_end_valid);
    if (start.isValid() && (!range.start.isValid() || start < range.start))
        range.start = start;
    if (end.isValid() && (!range.end.isValid() || end > range.end))
        range.end = end;

    qint64 balance = 0;
    if (!data.ledger_balance_valid || !OfxText::minorUnits(data.ledger_balance, Money::decimals(a->currency), &balance))
        return;
    QDate asOf = dateOf(data.ledger_balance_date, data.ledger_balance_date_valid);
    if (!asOf.isValid())
        asOf = dateOf(data.date_asof, data.date_asof_valid);
    if (!asOf.isValid())
        asOf = end;
    // Two statements of one account: the later balance tells more.
    if (!a->hasLedgerBalance || (asOf.isValid() && (!a->ledgerDate.isValid() || asOf >= a->ledgerDate))) {
        a->hasLedgerBalance = true;
        a->ledgerBalance = balance;
        a->ledgerDate = asOf;
    }
}

void Collector::transaction(const OfxTransactionData &data)
{
    m_lastWasRow = false;
    const QString key = text(data.account_id, data.account_id_valid);
    if (data.invtransactiontype_valid) {
        if (!key.isEmpty())
            m_investment.insert(key);
        return;
    }
    StatementAccount *a = key.isEmpty() ? nullptr : entry(key, data.account_ptr, QString());
    if (!a) {
        if (key.isEmpty())
            ++m_result->unparseableCount;
        return;
    }
    ParsedTransaction t;
    t.date = dateOf(data.date_posted, data.date_posted_valid);
    qint64 amount = 0;
    if (!t.date.isValid() || !data.amount_valid
        || !OfxText::minorUnits(data.amount, Money::decimals(a->currency), &amount)) {
        ++m_result->unparseableCount;
        return;
    }
    t.amount = amount;
    t.payee = text(data.name, data.name_valid);
    t.memo = text(data.memo, data.memo_valid);
    if (t.payee.isEmpty()) {
        // Some banks say what a row is in its memo alone.
        t.payee = t.memo;
        t.memo.clear();
    }
    t.number = text(data.check_number, data.check_number_valid);
    t.fitid = text(data.fi_id, data.fi_id_valid);
    // A row of a bank's statement has cleared the bank.
    t.cleared = true;
    t.sourceAccount = key;
    m_result->transactions.append(t);
    m_lastWasRow = true;
}

void Collector::finish(bool truncated, bool endsInsideRow)
{
    m_result->truncated = truncated;
    if (truncated && endsInsideRow && m_lastWasRow) {
        m_result->transactions.removeLast();
        ++m_result->unparseableCount;
    }
    for (const ParsedTransaction &t : std::as_const(m_result->transactions)) {
        StatementAccount &a = m_result->accounts[m_index.value(t.sourceAccount)];
        ++a.records;
        if (!a.firstDate.isValid() || t.date < a.firstDate)
            a.firstDate = t.date;
        if (!a.lastDate.isValid() || t.date > a.lastDate)
            a.lastDate = t.date;
    }
    for (StatementAccount &a : m_result->accounts) {
        const Range range = m_ranges.value(a.key);
        if (range.start.isValid() && range.end.isValid() && range.start <= range.end) {
            a.firstDate = range.start;
            a.lastDate = range.end;
        }
        if (truncated)
            a.hasLedgerBalance = false;
    }
    m_result->investmentStatements = int(m_investment.size());
    m_result->otherCurrencyStatements = int(m_otherCurrency.size());
}

// Points TMPDIR, where the library puts its own temporary file, at a folder
// of ours for as long as it lives.
class TemporaryDirectoryScope
{
public:
    explicit TemporaryDirectoryScope(const QString &path)
        : m_wasSet(qEnvironmentVariableIsSet("TMPDIR"))
        , m_old(qgetenv("TMPDIR"))
    {
        qputenv("TMPDIR", QFile::encodeName(QDir::toNativeSeparators(path)));
    }
    ~TemporaryDirectoryScope()
    {
        if (m_wasSet)
            qputenv("TMPDIR", m_old);
        else
            qunsetenv("TMPDIR");
    }
    TemporaryDirectoryScope(const TemporaryDirectoryScope &) = delete;
    TemporaryDirectoryScope &operator=(const TemporaryDirectoryScope &) = delete;

private:
    bool m_wasSet;
    QByteArray m_old;
};

void silenceLibrary()
{
    ofx_PARSER_msg = false;
    ofx_DEBUG_msg = false;
    ofx_DEBUG1_msg = false;
    ofx_DEBUG2_msg = false;
    ofx_DEBUG3_msg = false;
    ofx_DEBUG4_msg = false;
    ofx_DEBUG5_msg = false;
    ofx_STATUS_msg = false;
    ofx_INFO_msg = false;
    ofx_WARNING_msg = false;
    ofx_ERROR_msg = false;
    ofx_show_position = false;
}

#endif

} // namespace

bool OfxReader::isAvailable()
{
#ifdef QUILLET_HAVE_LIBOFX
    return true;
#else
    return false;
#endif
}

bool OfxReader::isOfxFile(const QString &path)
{
    return OfxText::looksLikeOfx(readHead(path, 4096));
}

OfxParseResult OfxReader::parse(const QByteArray &bytes)
{
    OfxParseResult result;
    if (!OfxText::looksLikeOfx(bytes)) {
        result.readable = false;
        return result;
    }
#ifdef QUILLET_HAVE_LIBOFX
    QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/quillet-ofx-XXXXXX"));
    const QString path = folder.filePath(QStringLiteral("statement.ofx"));
    const QList<QByteArray> pieces = OfxText::pieces(OfxText::normalized(bytes), kRowsPerPiece);
    Collector collector(&result);
    const TemporaryDirectoryScope scope(folder.path());
    silenceLibrary();
    for (const QByteArray &piece : pieces) {
        QFile copy(path);
        if (!folder.isValid() || !copy.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || copy.write(piece) != piece.size()) {
            qWarning().noquote() << "OfxReader: cannot write a working copy in" << folder.path();
            result = OfxParseResult();
            result.readable = false;
            return result;
        }
        copy.close();
        LibofxContextPtr context = libofx_get_new_context();
        ofx_set_account_cb(context, &Collector::onAccount, &collector);
        ofx_set_statement_cb(context, &Collector::onStatement, &collector);
        ofx_set_transaction_cb(context, &Collector::onTransaction, &collector);
        libofx_proc_file(context, QFile::encodeName(path).constData(), OFX);
        libofx_free_context(context);
    }
    // Where a cut file stops matters only when it is cut: that looks through
    // the whole file.
    const bool truncated = OfxText::isTruncated(bytes);
    collector.finish(truncated, truncated && OfxText::endsInsideRow(bytes));
#else
    result.readable = false;
#endif
    return result;
}

OfxParseResult OfxReader::parseFile(const QString &path, bool *ok)
{
    QFile file(path);
    const bool opened = file.open(QIODevice::ReadOnly) && file.size() <= kMaxFileBytes;
    if (ok)
        *ok = opened;
    if (!opened) {
        OfxParseResult result;
        result.readable = false;
        return result;
    }
    return parse(file.readAll());
}
