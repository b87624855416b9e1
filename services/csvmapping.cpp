#include "services/csvmapping.h"

#include "services/datetext.h"
#include "services/money.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

const char *const kMonths[12] = {"january", "february", "march",     "april",   "may",      "june",
                                 "july",    "august",   "september", "october", "november", "december"};

// Reads digits at pos: exactly `exact` of them, or 1..2 when exact is 0.
bool readNumber(QStringView s, qsizetype *pos, int exact, int *value)
{
    qsizetype p = *pos;
    int v = 0;
    int count = 0;
    const int most = exact > 0 ? exact : 2;
    while (p < s.size() && count < most && s[p].unicode() >= '0' && s[p].unicode() <= '9') {
        v = v * 10 + (s[p].unicode() - '0');
        ++p;
        ++count;
    }
    if (count == 0 || (exact > 0 && count != exact))
        return false;
    // "M" and "d" take one or two digits, but never leave a digit behind.
    if (exact == 0 && p < s.size() && s[p].isDigit())
        return false;
    *pos = p;
    *value = v;
    return true;
}

bool readMonthName(QStringView s, qsizetype *pos, bool full, int *month)
{
    qsizetype end = *pos;
    while (end < s.size() && s[end].isLetter())
        ++end;
    const QString word = s.mid(*pos, end - *pos).toString().toLower();
    for (int m = 0; m < 12; ++m) {
        const QString name = QString::fromLatin1(kMonths[m]);
        if ((full && word == name) || (!full && word == name.left(3))) {
            *month = m + 1;
            *pos = end;
            return true;
        }
    }
    return false;
}

int countOf(const QString &format, qsizetype at, QChar c)
{
    int n = 0;
    while (at + n < format.size() && format[at + n] == c)
        ++n;
    return n;
}

QString cell(const QStringList &row, int column)
{
    return column >= 0 && column < row.size() ? row.at(column).trimmed() : QString();
}

bool headerMatches(const QString &header, std::initializer_list<const char *> names)
{
    const QString h = header.trimmed().toLower();
    for (const char *name : names) {
        if (h == QLatin1String(name) || h.startsWith(QLatin1String(name) + QLatin1Char(' ')))
            return true;
    }
    return false;
}

// The first column that reads as a date, the first other column that reads
// as an amount, and the first other column with text.
CsvMapping guessFromShape(const QStringList &row)
{
    CsvMapping m;
    for (int c = 0; c < row.size(); ++c) {
        const QString text = row.at(c).trimmed();
        qint64 amount = 0;
        bool isDate = false;
        for (const QString &format : CsvConverter::dateFormats())
            isDate = isDate || CsvConverter::parseDate(text, format).isValid();
        if (isDate && m.date < 0)
            m.date = c;
        else if (!isDate && m.amount < 0 && CsvConverter::parseAmount(text, 0, &amount))
            m.amount = c;
        else if (!isDate && m.payee < 0 && !text.isEmpty())
            m.payee = c;
    }
    return m;
}

// Two neighbouring number columns of which no row fills both are a debit
// and a credit column (in that order, as statements print them), not one
// amount column beside an empty one.
void pairDebitAndCredit(const CsvTable &table, qsizetype firstData, CsvMapping *m)
{
    constexpr qsizetype kSample = 50;
    if (m->amount < 0)
        return;
    for (const int left : {m->amount, m->amount - 1}) {
        if (left < 0)
            continue;
        bool leftSeen = false;
        bool rightSeen = false;
        bool apart = true;
        for (qsizetype r = firstData; apart && r < table.rows.size() && r < firstData + kSample; ++r) {
            const QString a = cell(table.rows.at(r), left);
            const QString b = cell(table.rows.at(r), left + 1);
            qint64 value = 0;
            apart = (a.isEmpty() || CsvConverter::parseAmount(a, 0, &value))
                    && (b.isEmpty() || CsvConverter::parseAmount(b, 0, &value)) && (a.isEmpty() || b.isEmpty());
            leftSeen = leftSeen || !a.isEmpty();
            rightSeen = rightSeen || !b.isEmpty();
        }
        if (apart && leftSeen && rightSeen) {
            m->debit = left;
            m->credit = left + 1;
            m->amount = -1;
            return;
        }
    }
}

QString tr(const char *text)
{
    return QCoreApplication::translate("CsvConverter", text);
}

} // namespace

const QStringList &CsvConverter::dateFormats()
{
    static const QStringList formats = {
        QStringLiteral("yyyy-MM-dd"), QStringLiteral("yyyyMMdd"),     QStringLiteral("MM/dd/yyyy"),
        QStringLiteral("M/d/yyyy"),   QStringLiteral("dd/MM/yyyy"),   QStringLiteral("d/M/yyyy"),
        QStringLiteral("MM/dd/yy"),   QStringLiteral("M/d/yy"),       QStringLiteral("yyyy/MM/dd"),
        QStringLiteral("MMMM d, yyyy"), QStringLiteral("MMM d, yyyy"),
    };
    return formats;
}

QDate CsvConverter::parseDate(const QString &input, const QString &format)
{
    const QStringView s = QStringView(input).trimmed();
    qsizetype pos = 0;
    int year = -1;
    int month = -1;
    int day = -1;
    for (qsizetype f = 0; f < format.size();) {
        const QChar fc = format[f];
        const int run = countOf(format, f, fc);
        bool ok = true;
        if (fc == QLatin1Char('y')) {
            ok = readNumber(s, &pos, run >= 4 ? 4 : 2, &year);
            if (ok && run < 4)
                year = DateText::fullYear(year);
        } else if (fc == QLatin1Char('M')) {
            ok = run >= 3 ? readMonthName(s, &pos, run >= 4, &month) : readNumber(s, &pos, run == 2 ? 2 : 0, &month);
        } else if (fc == QLatin1Char('d')) {
            ok = readNumber(s, &pos, run == 2 ? 2 : 0, &day);
        } else if (fc == QLatin1Char(' ')) {
            ok = pos < s.size() && s[pos].isSpace();
            while (pos < s.size() && s[pos].isSpace())
                ++pos;
        } else {
            ok = pos < s.size() && s[pos] == fc;
            pos += ok ? 1 : 0;
        }
        if (!ok)
            return QDate();
        f += fc.isLetter() ? run : 1;
    }
    if (pos != s.size() || year < 0 || month < 0 || day < 0)
        return QDate();
    return QDate(year, month, day);
}

QString CsvConverter::detectDateFormat(const CsvTable &table, const CsvMapping &mapping)
{
    const QStringList &formats = dateFormats();
    QList<int> reads(formats.size(), 0);
    int cells = 0;
    for (qsizetype r = firstDataRow(table, mapping); r < table.rows.size(); ++r) {
        const QString text = cell(table.rows.at(r), mapping.date);
        if (text.isEmpty())
            continue;
        ++cells;
        for (int f = 0; f < formats.size(); ++f) {
            if (parseDate(text, formats.at(f)).isValid())
                ++reads[f];
        }
    }
    int best = 0;
    for (int f = 0; f < formats.size(); ++f) {
        if (reads.at(f) == cells)
            return formats.at(f);
        if (reads.at(f) > reads.at(best))
            best = f;
    }
    return formats.at(best);
}

bool CsvConverter::parseAmount(const QString &input, int currency, qint64 *amount)
{
    QString t = input.trimmed();
    if (t.startsWith(QLatin1Char('(')) && t.endsWith(QLatin1Char(')')))
        t = QLatin1Char('-') + t.mid(1, t.size() - 2).trimmed();
    else if (t.size() > 1 && t.endsWith(QLatin1Char('-')) && !t.startsWith(QLatin1Char('-')))
        t = QLatin1Char('-') + t.left(t.size() - 1).trimmed();

    // "1.234,56" or "12,5": a comma followed by one or two digits at the end,
    // with any dots before it only grouping thousands. A US amount never has
    // that shape, so reading it as a decimal comma is safe.
    static const QRegularExpression decimalComma(
        QStringLiteral("^[^\\d,.]*(\\d{1,3}(\\.\\d{3})+|\\d+),\\d{1,2}[^\\d,.]*$"));
    if (decimalComma.match(t).hasMatch()) {
        t.remove(QLatin1Char('.'));
        t.replace(QLatin1Char(','), QLatin1Char('.'));
    }
    // A lone comma with four or more digits after it is neither a thousands
    // group nor cents: most likely a mistyped amount, not 12,345 from "1,2345".
    static const QRegularExpression strayComma(QStringLiteral("^[^\\d,.]*\\d+,\\d{4,}[^\\d,.]*$"));
    if (strayComma.match(t).hasMatch())
        return false;

    const qint64 value = Money::parseMoney(t, currency);
    if (value == 0) {
        // The money parser reads anything unreadable as 0: accept 0 only from
        // text that is really a zero.
        QString digits = t;
        digits.remove(Money::currencySymbol(currency));
        for (const QChar c : {QLatin1Char(','), QLatin1Char('.'), QLatin1Char('-'), QLatin1Char('+'), QLatin1Char(' ')})
            digits.remove(c);
        if (digits.isEmpty())
            return false;
        for (const QChar c : std::as_const(digits)) {
            if (c != QLatin1Char('0'))
                return false;
        }
    }
    *amount = value;
    return true;
}

qsizetype CsvConverter::firstDataRow(const CsvTable &table, const CsvMapping &mapping)
{
    return mapping.firstRowIsHeader && !table.rows.isEmpty() ? 1 : 0;
}

CsvMapping CsvConverter::guessMapping(const CsvTable &table)
{
    CsvMapping m;
    if (table.rows.isEmpty())
        return m;
    const QStringList &first = table.rows.first();
    bool named = false;
    for (int c = 0; c < first.size(); ++c) {
        const QString &h = first.at(c);
        int *slot = nullptr;
        // "Value Date" is a date: named here, before "value" can take it for the amount.
        if (headerMatches(h, {"date", "posted", "posting date", "transaction date", "trans date", "booking date",
                              "value date"}))
            slot = &m.date;
        else if (headerMatches(h, {"payee", "description", "name", "merchant", "counterparty"}))
            slot = &m.payee;
        else if (headerMatches(h, {"amount", "value"}))
            slot = &m.amount;
        else if (headerMatches(h, {"debit", "withdrawal", "withdrawals", "money out", "paid out"}))
            slot = &m.debit;
        else if (headerMatches(h, {"credit", "deposit", "deposits", "money in", "paid in"}))
            slot = &m.credit;
        else if (headerMatches(h, {"memo", "notes", "note", "reference", "details"}))
            slot = &m.memo;
        else if (headerMatches(h, {"category"}))
            slot = &m.category;
        if (slot && *slot < 0) {
            *slot = c;
            named = true;
        }
    }
    if (named) {
        m.firstRowIsHeader = true;
    } else {
        // No names we know: the columns are told by the shape of the first
        // row, or of the second when the first holds no date (a header in
        // another language).
        m = guessFromShape(first);
        m.firstRowIsHeader = false;
        if (m.date < 0 && table.rows.size() > 1) {
            const CsvMapping second = guessFromShape(table.rows.at(1));
            if (second.date >= 0) {
                m = second;
                m.firstRowIsHeader = true;
            }
        }
        pairDebitAndCredit(table, firstDataRow(table, m), &m);
    }
    if (m.amount >= 0) {
        m.debit = -1;
        m.credit = -1;
    }
    return m;
}

CsvRowResult CsvConverter::readRow(const QStringList &row, const CsvMapping &mapping, const QString &dateFormat,
                                   int currency)
{
    CsvRowResult r;
    ParsedTransaction &t = r.transaction;
    const QString dateText = cell(row, mapping.date);
    t.date = parseDate(dateText, dateFormat);
    if (!t.date.isValid()) {
        r.problem = dateText.isEmpty() ? tr("No date") : tr("Unreadable date \"%1\"").arg(dateText);
        return r;
    }
    if (mapping.usesDebitCredit()) {
        const QString debitText = cell(row, mapping.debit);
        const QString creditText = cell(row, mapping.credit);
        qint64 debit = 0;
        qint64 credit = 0;
        if (debitText.isEmpty() && creditText.isEmpty()) {
            r.problem = tr("No amount");
            return r;
        }
        if ((!debitText.isEmpty() && !parseAmount(debitText, currency, &debit))
            || (!creditText.isEmpty() && !parseAmount(creditText, currency, &credit))) {
            r.problem = tr("Unreadable amount \"%1\"").arg(debitText.isEmpty() ? creditText : debitText);
            return r;
        }
        t.amount = qAbs(credit) - qAbs(debit);
    } else {
        const QString amountText = cell(row, mapping.amount);
        if (amountText.isEmpty()) {
            r.problem = tr("No amount");
            return r;
        }
        if (!parseAmount(amountText, currency, &t.amount)) {
            r.problem = tr("Unreadable amount \"%1\"").arg(amountText);
            return r;
        }
    }
    t.payee = cell(row, mapping.payee);
    t.memo = cell(row, mapping.memo);
    t.category = cell(row, mapping.category);
    for (QString *text : {&t.payee, &t.memo, &t.category})
        r.textsCut += ImportLimits::clip(text) ? 1 : 0;
    r.ok = true;
    return r;
}

CsvConversion CsvConverter::convert(const CsvTable &table, const CsvMapping &mapping, int currency)
{
    CsvConversion result;
    result.dateFormat = mapping.dateFormat.isEmpty() ? detectDateFormat(table, mapping) : mapping.dateFormat;
    for (qsizetype r = firstDataRow(table, mapping); r < table.rows.size(); ++r) {
        CsvRowResult row = readRow(table.rows.at(r), mapping, result.dateFormat, currency);
        if (row.ok) {
            result.transactions.append(std::move(row.transaction));
            result.textsCut += row.textsCut;
        } else {
            ++result.unparseable;
        }
    }
    return result;
}
