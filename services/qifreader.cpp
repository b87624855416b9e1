#include "services/qifreader.h"

#include "services/money.h"
#include "services/textdecoding.h"

#include <QFile>
#include <QHash>

#include <cmath>

namespace {

enum class Section { Transactions, Categories, Accounts, Metadata };

// A transaction record as read, before its date can be read: the date order
// of a file is only known once all of its date lines have been seen.
struct RawRecord {
    ParsedTransaction t;
    QString dateText;
    int typeCode = 0;
    int splitLines = 0;  // as written; only the first kSplitLines + 1 are kept
    bool hasDate = false;
    bool hasAmount = false;
};

struct Scan {
    QList<RawRecord> records;
    QList<ParsedCategory> categories;
    int metadataCount = 0;
    int textsCut = 0;
    bool hasAccountBlock = false;

    // What the date lines say about their order.
    bool dateSeen = false;
    bool dayFirstSeen = false;     // a first part above 12
    bool monthFirstSeen = false;   // a second part above 12
    bool notYearFirstSeen = false; // a first part of other than four digits
    QString firstDate;
    QString sample;  // the first value read differently month-first and day-first

    bool dateEvidenceComplete() const
    {
        return notYearFirstSeen && (dayFirstSeen || monthFirstSeen) && !sample.isEmpty();
    }
};

bool isAsciiDigits(QStringView s)
{
    if (s.isEmpty())
        return false;
    for (const QChar c : s) {
        if (c.unicode() < '0' || c.unicode() > '9')
            return false;
    }
    return true;
}

// The first three parts of a date value, separators normalised; false when
// there are fewer than three or one of them is not a whole number.
bool dateParts(QStringView value, QString parts[3])
{
    QString t;
    t.reserve(value.size());
    for (const QChar c : value) {
        if (c.isSpace())
            continue;
        if (c == QLatin1Char('-') || c == QLatin1Char('.') || c == QLatin1Char('\''))
            t += QLatin1Char('/');
        else
            t += c;
    }
    int found = 0;
    qsizetype start = 0;
    while (found < 3 && start <= t.size()) {
        qsizetype end = t.indexOf(QLatin1Char('/'), start);
        if (end < 0)
            end = t.size();
        if (end > start)
            parts[found++] = t.mid(start, end - start);
        start = end + 1;
    }
    if (found < 3)
        return false;
    for (int i = 0; i < 3; ++i) {
        // Nine digits always fit an int; longer numbers are no calendar date.
        if (!isAsciiDigits(parts[i]) || parts[i].size() > 9)
            return false;
    }
    return true;
}

// "L" and "S" values: the class after "/" is dropped; "[Name]" is a transfer.
void readCategoryOrTransfer(QStringView value, QString *category, QString *transfer)
{
    const qsizetype slash = value.indexOf(QLatin1Char('/'));
    if (slash >= 0)
        value = value.left(slash);
    value = value.trimmed();
    if (value.startsWith(QLatin1Char('[')) && value.endsWith(QLatin1Char(']')) && value.size() >= 2) {
        *transfer = value.mid(1, value.size() - 2).trimmed().toString();
        category->clear();
    } else {
        *category = value.toString();
        transfer->clear();
    }
}

class Scanner
{
public:
    Scan run(const QString &text);

private:
    void header(QStringView line);
    void line(QChar code, QStringView value);
    void endRecord();
    void transactionLine(QChar code, QStringView value);
    void noteDate(QStringView value);
    void storeSplit();
    // A text value, cut to ImportLimits::kTextLength.
    QString text(QStringView value);
    void cut(QString *text);

    Scan m_scan;
    Section m_section = Section::Transactions;
    int m_typeCode = QifReader::Bank;
    QString m_currentAccount;

    // The pending record of whichever section is current.
    RawRecord m_record;
    bool m_hasContent = false;
    bool m_inSplit = false;
    ParsedSplit m_split;
    ParsedCategory m_category;
    QString m_accountName;
    bool m_metadataLine = false;
};

Scan Scanner::run(const QString &text)
{
    const QChar *data = text.constData();
    const qsizetype n = text.size();
    qsizetype pos = 0;
    while (pos < n) {
        qsizetype end = pos;
        while (end < n && data[end] != QLatin1Char('\n') && data[end] != QLatin1Char('\r'))
            ++end;
        QStringView l(data + pos, end - pos);
        pos = end + 1;
        if (end < n && data[end] == QLatin1Char('\r') && pos < n && data[pos] == QLatin1Char('\n'))
            ++pos;

        while (!l.isEmpty() && (l.front() == QChar(0xFEFF) || l.front().isSpace()))
            l = l.mid(1);
        l = l.trimmed();
        if (l.isEmpty())
            continue;
        if (l.front() == QLatin1Char('!')) {
            endRecord();
            header(l);
        } else if (l.front() == QLatin1Char('^')) {
            endRecord();
        } else {
            line(l.front(), l.mid(1).trimmed());
        }
    }
    endRecord();
    return std::move(m_scan);
}

void Scanner::header(QStringView line)
{
    const QString lower = line.toString().toLower();
    if (lower.startsWith(QLatin1String("!type:"))) {
        const QString type = lower.mid(6).trimmed();
        if (type == QLatin1String("cat")) {
            m_section = Section::Categories;
        } else if (type == QLatin1String("class") || type == QLatin1String("memorized") || type == QLatin1String("tag")
                   || type == QLatin1String("security") || type == QLatin1String("prices")
                   || type == QLatin1String("budget") || type == QLatin1String("payee")) {
            // Lists (budget amounts, payee names), not transactions.
            m_section = Section::Metadata;
        } else {
            m_section = Section::Transactions;
            m_typeCode = QifReader::typeCode(type);
        }
    } else if (lower.startsWith(QLatin1String("!account"))) {
        m_section = Section::Accounts;
        m_scan.hasAccountBlock = true;
    } else if (lower.startsWith(QLatin1String("!option")) || lower.startsWith(QLatin1String("!clear"))) {
        m_section = Section::Metadata;
    } else {
        m_section = Section::Transactions;
    }
}

void Scanner::line(QChar code, QStringView value)
{
    switch (m_section) {
    case Section::Transactions:
        transactionLine(code, value);
        break;
    case Section::Categories:
        switch (code.unicode()) {
        case 'N':
            m_category.name = text(value);
            break;
        case 'D':
            m_category.description = text(value);
            break;
        case 'I':
            m_category.income = true;
            break;
        case 'E':
            m_category.income = false;
            break;
        default:
            break;
        }
        break;
    case Section::Accounts:
        if (code == QLatin1Char('N'))
            m_accountName = text(value);
        break;
    case Section::Metadata:
        m_metadataLine = true;
        break;
    }
}

void Scanner::transactionLine(QChar code, QStringView value)
{
    ParsedTransaction &t = m_record.t;
    switch (code.unicode()) {
    case 'D':
        m_record.dateText = value.toString();
        m_record.hasDate = true;
        if (!m_scan.dateEvidenceComplete())
            noteDate(value);
        break;
    case 'T':
    case 'U':
        if (QifReader::parseAmount(value, &t.amount))
            m_record.hasAmount = true;
        break;
    case '$':
        if (m_inSplit) {
            QifReader::parseAmount(value, &m_split.amount);
        } else if (QifReader::parseAmount(value, &t.amount)) {
            m_record.hasAmount = true;
        }
        break;
    case 'P':
        t.payee = text(value);
        break;
    case 'M':
        t.memo = text(value);
        break;
    case 'N':
        t.number = text(value);
        break;
    case 'L':
        readCategoryOrTransfer(value, &t.category, &t.transferAccount);
        cut(&t.category);
        cut(&t.transferAccount);
        break;
    case 'S':
        if (m_inSplit)
            storeSplit();
        m_split = ParsedSplit();
        m_inSplit = true;
        readCategoryOrTransfer(value, &m_split.category, &m_split.transferAccount);
        cut(&m_split.category);
        cut(&m_split.transferAccount);
        break;
    case 'E':
        if (!m_inSplit)
            return;
        m_split.memo = text(value);
        break;
    case 'C': {
        const QChar c = value.isEmpty() ? QChar() : value.front().toLower();
        t.cleared = c == QLatin1Char('*') || c == QLatin1Char('c') || c == QLatin1Char('x') || c == QLatin1Char('r');
        t.reconciled = c == QLatin1Char('r');
        break;
    }
    case 'Y':
        t.security = text(value);
        break;
    default:
        return;  // "A" address lines and unknown codes are not content
    }
    m_hasContent = true;
}

void Scanner::noteDate(QStringView value)
{
    QString parts[3];
    if (!dateParts(value, parts))
        return;
    if (!m_scan.dateSeen) {
        m_scan.dateSeen = true;
        m_scan.firstDate = value.toString();
    }
    if (parts[0].size() == 4)
        return;
    m_scan.notYearFirstSeen = true;
    const int first = parts[0].toInt();
    const int second = parts[1].toInt();
    m_scan.dayFirstSeen = m_scan.dayFirstSeen || first > 12;
    m_scan.monthFirstSeen = m_scan.monthFirstSeen || second > 12;
    if (m_scan.sample.isEmpty() && first != second && first <= 12 && second <= 12
        && QifReader::parseDate(value, QifReader::MonthFirst).isValid())
        m_scan.sample = value.toString();
}

void Scanner::storeSplit()
{
    // Past the limit the record is refused anyway; the lines are only counted.
    if (++m_record.splitLines <= ImportLimits::kSplitLines + 1)
        m_record.t.splits.append(m_split);
}

QString Scanner::text(QStringView value)
{
    QString s = value.left(ImportLimits::kTextLength + 1).toString();
    cut(&s);
    return s;
}

void Scanner::cut(QString *text)
{
    if (ImportLimits::clip(text))
        ++m_scan.textsCut;
}

void Scanner::endRecord()
{
    switch (m_section) {
    case Section::Transactions:
        if (m_inSplit)
            storeSplit();
        if (m_hasContent) {
            m_record.t.sourceAccount = m_currentAccount;
            m_record.typeCode = m_typeCode;
            m_scan.records.append(std::move(m_record));
        }
        m_record = RawRecord();
        m_split = ParsedSplit();
        m_inSplit = false;
        m_hasContent = false;
        break;
    case Section::Categories:
        if (!m_category.name.isEmpty())
            m_scan.categories.append(m_category);
        m_category = ParsedCategory();
        break;
    case Section::Accounts:
        if (!m_accountName.isEmpty())
            m_currentAccount = m_accountName;
        m_accountName.clear();
        break;
    case Section::Metadata:
        if (m_metadataLine)
            ++m_scan.metadataCount;
        m_metadataLine = false;
        break;
    }
}

QifDateEvidence dateEvidence(const Scan &scan)
{
    QifDateEvidence e;
    if (scan.dayFirstSeen)
        e.detected = QifReader::DayFirst;
    else if (scan.dateSeen && !scan.notYearFirstSeen)
        e.detected = QifReader::YearFirst;
    else
        e.detected = QifReader::MonthFirst;
    e.ambiguous = !scan.dayFirstSeen && !scan.monthFirstSeen && !scan.sample.isEmpty();
    e.sample = scan.sample.isEmpty() ? scan.firstDate : scan.sample;
    return e;
}

// A split must add up to its transaction: lines that do not would change the
// account's balance whenever the split is edited.
bool splitsAddUp(const ParsedTransaction &t)
{
    qint64 sum = 0;
    for (const ParsedSplit &line : t.splits)
        sum += line.amount;
    return sum == t.amount;
}

} // namespace

QifParseResult QifReader::parse(const QString &text, int dateOrder)
{
    Scan scan = Scanner().run(text);
    QifParseResult result;
    result.categories = std::move(scan.categories);
    result.metadataCount = scan.metadataCount;
    result.textsCut = scan.textsCut;
    result.hasAccountBlock = scan.hasAccountBlock;
    result.dateEvidence = dateEvidence(scan);
    result.dateOrder = dateOrder == DetectOrder ? result.dateEvidence.detected : dateOrder;

    QHash<QString, int> sourceIndex;
    result.transactions.reserve(scan.records.size());
    for (RawRecord &raw : scan.records) {
        const QDate date = raw.hasDate ? parseDate(raw.dateText, result.dateOrder) : QDate();
        if (!date.isValid() || !raw.hasAmount) {
            ++result.unparseableCount;
            continue;
        }
        if (raw.splitLines > ImportLimits::kSplitLines) {
            ++result.splitsTooLong;
            continue;
        }
        if (!raw.t.splits.isEmpty() && !splitsAddUp(raw.t)) {
            ++result.splitsNotAddingUp;
            continue;
        }
        raw.t.date = date;
        const QString key = raw.t.sourceAccount.toLower();
        auto it = sourceIndex.constFind(key);
        if (it == sourceIndex.cend()) {
            it = sourceIndex.insert(key, int(result.sourceAccounts.size()));
            result.sourceAccounts.append({raw.t.sourceAccount, raw.typeCode, 0});
        }
        ++result.sourceAccounts[*it].records;
        result.transactions.append(std::move(raw.t));
    }
    return result;
}

QifParseResult QifReader::parseFile(const QString &path, bool *ok, int dateOrder)
{
    QFile file(path);
    const bool opened = file.open(QIODevice::ReadOnly);
    if (ok)
        *ok = opened;
    if (!opened)
        return QifParseResult();
    return parse(TextDecoding::decode(file.readAll()), dateOrder);
}

bool QifReader::parseAmount(QStringView value, qint64 *cents)
{
    QString t = value.trimmed().toString();
    if (t.isEmpty())
        return false;
    bool negative = false;
    const qsizetype n = t.size();
    if (n >= 2 && t.front() == QLatin1Char('(') && t.back() == QLatin1Char(')')) {
        negative = true;
        t = t.mid(1, n - 2).trimmed();
    } else if (n >= 3 && (t[0] == QLatin1Char('-') || t[0] == QLatin1Char('+')) && t[1] == QLatin1Char('(')
               && t.back() == QLatin1Char(')')) {
        // "-(5)": the minus and the parentheses cancel out.
        negative = true;
        t = t.front() + t.mid(2, n - 3).trimmed();
    }

    QString s;
    s.reserve(t.size());
    for (const QChar c : std::as_const(t)) {
        if (c.isSpace() || QStringView(u"$\u20ac\u00a3\u00a5\u00a2").contains(c))
            continue;
        s += c;
    }
    if (s.startsWith(QLatin1Char('+'))) {
        s.remove(0, 1);
    } else if (s.startsWith(QLatin1Char('-'))) {
        negative = !negative;
        s.remove(0, 1);
    }

    const qsizetype lastDot = s.lastIndexOf(QLatin1Char('.'));
    const qsizetype lastComma = s.lastIndexOf(QLatin1Char(','));
    if (lastDot >= 0 && lastComma >= 0) {
        const QChar group = lastDot > lastComma ? QLatin1Char(',') : QLatin1Char('.');
        s.remove(group);
        s.replace(QLatin1Char(','), QLatin1Char('.'));
    } else if (lastDot >= 0 || lastComma >= 0) {
        const QChar sep = lastDot >= 0 ? QLatin1Char('.') : QLatin1Char(',');
        const qsizetype first = s.indexOf(sep);
        const qsizetype last = lastDot >= 0 ? lastDot : lastComma;
        const qsizetype after = s.size() - last - 1;
        const bool group = first != last || (after == 3 && first != 0);
        if (group) {
            const QStringList groups = s.split(sep);
            if (groups.first().isEmpty() || groups.first().size() > 3)
                return false;
            for (qsizetype i = 1; i < groups.size(); ++i) {
                if (groups.at(i).size() != 3)
                    return false;
            }
            s.remove(sep);
        } else {
            // A lone comma with four or more digits after it is neither a
            // thousands group nor cents: most likely a mistyped group.
            if (sep == QLatin1Char(',') && after > 3 && first != 0)
                return false;
            s.replace(sep, QLatin1Char('.'));
        }
    }

    if (s.isEmpty() || s == QLatin1String("."))
        return false;
    int dots = 0;
    for (const QChar c : std::as_const(s)) {
        if (c == QLatin1Char('.'))
            ++dots;
        else if (c.unicode() < '0' || c.unicode() > '9')
            return false;
    }
    if (dots > 1)
        return false;

    bool ok = false;
    const double v = s.toDouble(&ok);
    // Beyond 2^53 cents a double no longer holds every cent.
    if (!ok || !std::isfinite(v) || v * 100.0 > 9007199254740992.0)
        return false;
    const qint64 count = Money::toMinorUnits(v);
    *cents = negative ? -count : count;
    return true;
}

QDate QifReader::parseDate(QStringView value, int dateOrder)
{
    QString parts[3];
    if (!dateParts(value.trimmed(), parts))
        return QDate();
    const int a = parts[0].toInt();
    const int b = parts[1].toInt();
    const int c = parts[2].toInt();
    int year = 0;
    int month = 0;
    int day = 0;
    if (parts[0].size() == 4) {
        year = a;
        month = b;
        day = c;
    } else if (dateOrder == YearFirst) {
        year = a;
        month = b;
        day = c;
    } else {
        year = (parts[2].size() == 4 || c >= 32) ? c : c + 2000;
        const bool dayFirst = dateOrder == DayFirst || (dateOrder == DetectOrder && a > 12);
        day = dayFirst ? a : b;
        month = dayFirst ? b : a;
    }
    if (year < 100)
        year += year < 70 ? 2000 : 1900;
    // The store keeps dates as "yyyy-MM-dd"; a five-digit year has no such form.
    if (year > 9999)
        return QDate();
    return QDate(year, month, day);
}

int QifReader::detectDateOrder(const QString &text)
{
    return dateEvidence(Scanner().run(text)).detected;
}

int QifReader::typeCode(const QString &typeName)
{
    const QString t = typeName.trimmed().toLower();
    if (t == QLatin1String("ccard"))
        return CreditCard;
    if (t == QLatin1String("invst"))
        return Investment;
    if (t == QLatin1String("cash"))
        return Cash;
    if (t == QLatin1String("oth a"))
        return OtherAsset;
    if (t == QLatin1String("oth l"))
        return OtherLiability;
    return Bank;
}
