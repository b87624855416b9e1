#include "services/csvreader.h"

#include "services/textdecoding.h"

#include <QFile>

namespace {

constexpr qsizetype kNoLimit = -1;

// Reads at most maxRows rows (kNoLimit: all).
QList<QStringList> split(QStringView text, QChar sep, qsizetype maxRows)
{
    QList<QStringList> rows;
    QStringList row;
    QString field;
    const qsizetype n = text.size();
    qsizetype i = 0;
    bool quoted = false;
    bool fieldStarted = false;

    auto endRow = [&]() {
        row.append(field);
        field.clear();
        fieldStarted = false;
        const bool blank = row.size() == 1 && row.first().trimmed().isEmpty();
        if (!blank)
            rows.append(row);
        row.clear();
    };

    while (i < n) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < n && text[i + 1] == QLatin1Char('"')) {
                    field += QLatin1Char('"');
                    i += 2;
                    continue;
                }
                quoted = false;
            } else if (c == QLatin1Char('\r')) {
                field += QLatin1Char('\n');
                if (i + 1 < n && text[i + 1] == QLatin1Char('\n'))
                    ++i;
            } else {
                field += c;
            }
            ++i;
            continue;
        }
        if (c == sep) {
            row.append(field);
            field.clear();
            fieldStarted = false;
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            if (c == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n'))
                ++i;
            endRow();
            if (maxRows != kNoLimit && rows.size() >= maxRows)
                return rows;
        } else if (c == QLatin1Char('"') && !fieldStarted) {
            quoted = true;
            fieldStarted = true;
            field.clear();  // spaces before an opening quote are not part of the field
        } else {
            field += c;
            if (!c.isSpace())
                fieldStarted = true;
        }
        ++i;
    }
    if (!row.isEmpty() || !field.isEmpty())
        endRow();
    return rows;
}

QStringView withoutBom(const QString &text)
{
    QStringView v(text);
    while (v.startsWith(QChar(0xFEFF)))
        v = v.mid(1);
    return v;
}

} // namespace

QChar CsvReader::detectSeparator(const QString &text)
{
    constexpr qsizetype kSampleRows = 20;
    const QStringView sample = withoutBom(text).left(64 * 1024);
    QChar best = QLatin1Char(',');
    qsizetype bestColumns = 1;
    bool bestConsistent = false;
    for (const QChar sep : {QLatin1Char(','), QLatin1Char(';'), QLatin1Char('\t')}) {
        const QList<QStringList> rows = split(sample, sep, kSampleRows);
        if (rows.isEmpty())
            continue;
        const qsizetype columns = rows.first().size();
        bool consistent = columns > 1;
        for (const QStringList &row : rows) {
            if (row.size() != columns)
                consistent = false;
        }
        // A separator that cuts every sampled row into the same number of
        // fields wins over one that does not; then the one with more fields.
        if ((consistent && !bestConsistent) || (consistent == bestConsistent && columns > bestColumns)) {
            best = sep;
            bestColumns = columns;
            bestConsistent = consistent;
        }
    }
    return best;
}

CsvTable CsvReader::parse(const QString &text, QChar separator)
{
    CsvTable table;
    table.separator = separator.isNull() ? detectSeparator(text) : separator;
    table.rows = split(withoutBom(text), table.separator, kNoLimit);
    return table;
}

CsvTable CsvReader::parseFile(const QString &path, bool *ok, QChar separator)
{
    QFile file(path);
    const bool opened = file.open(QIODevice::ReadOnly);
    if (ok)
        *ok = opened;
    if (!opened)
        return CsvTable();
    return parse(TextDecoding::decode(file.readAll()), separator);
}
