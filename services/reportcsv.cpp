#include "services/reportcsv.h"

#include "services/money.h"
#include "services/reportbuilder.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QSaveFile>

namespace ReportCsv {

namespace {

// A spreadsheet would run a text that starts like a formula (a payee read
// from someone else's file, say); a leading apostrophe keeps it text.
QString guarded(const QString &text)
{
    if (!text.isEmpty() && QStringLiteral("=+-@").contains(text.front()))
        return QLatin1Char('\'') + text;
    return text;
}

QByteArray quoted(const QString &field)
{
    QByteArray bytes = field.toUtf8();
    if (bytes.contains(',') || bytes.contains('"') || bytes.contains('\n') || bytes.contains('\r')) {
        bytes.replace('"', "\"\"");
        bytes = '"' + bytes + '"';
    }
    return bytes;
}

} // namespace

QString plainAmount(qint64 amount, Currency currency)
{
    // The magnitude as unsigned, so that the smallest qint64 has one too.
    const quint64 magnitude = amount < 0 ? quint64(0) - quint64(amount) : quint64(amount);
    const QString sign = amount < 0 ? QStringLiteral("-") : QString();
    if (Money::decimals(int(currency)) == 0)
        return sign + QString::number(magnitude);
    return QStringLiteral("%1%2.%3").arg(sign).arg(magnitude / 100).arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}

QString field(const ReportColumn &column, const ReportRow &row, int index)
{
    if (column.type == ColumnType::Currency)
        return Codes::currencyCode(row.currency);
    const QVariant cell = row.cells.value(index);
    if (cell.isNull())
        return QString();
    if (cell.typeId() == QMetaType::QString)
        return guarded(cell.toString());
    switch (column.type) {
    case ColumnType::Date:
        return cell.toDate().toString(QStringLiteral("yyyy-MM-dd"));
    case ColumnType::Month:
        return cell.toDate().toString(QStringLiteral("yyyy-MM"));
    case ColumnType::Money:
        return plainAmount(cell.toLongLong(), row.currency);
    case ColumnType::Count:
        return QString::number(cell.toLongLong());
    case ColumnType::Percent:
        return QString::number(cell.toDouble(), 'f', 2);
    case ColumnType::Text:
    case ColumnType::Currency:
        break;
    }
    return guarded(cell.toString());
}

QByteArray record(const QStringList &fields)
{
    QByteArray line;
    for (int i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += ',';
        line += quoted(fields.at(i));
    }
    return line + "\r\n";
}

QByteArray header(const Report &report)
{
    QStringList titles;
    for (const ReportColumn &c : report.columns)
        titles.append(c.title);
    return record(titles);
}

QByteArray row(const Report &report, const ReportRow &r)
{
    QStringList fields;
    for (int i = 0; i < report.columns.size(); ++i)
        fields.append(field(report.columns.at(i), r, i));
    return record(fields);
}

bool write(const Report &report, QIODevice *out)
{
    if (out->write(header(report)) < 0)
        return false;
    for (const ReportRow &r : report.rows) {
        if (out->write(row(report, r)) < 0)
            return false;
    }
    return true;
}

bool writeReport(const QSqlDatabase &db, const ReportRequest &request, QIODevice *out, QString *error)
{
    const QString refused = QCoreApplication::translate("ReportCsv", "The file could not be written: %1");
    ReportBuilder builder(db);
    if (request.kind != ReportKind::Transactions) {
        const Report report = builder.build(request);
        if (!report.error.isEmpty()) {
            *error = report.error;
            return false;
        }
        if (!write(report, out)) {
            *error = refused.arg(out->errorString());
            return false;
        }
        return true;
    }
    bool headerWritten = false;
    bool written = true;
    Report head;
    const bool made = builder.stream(request, &head, [&](const ReportRow &r) {
        if (!headerWritten) {
            written = out->write(header(head)) >= 0;
            headerWritten = true;
        }
        written = written && out->write(row(head, r)) >= 0;
        return written;
    }, error);
    if (made && !headerWritten)
        written = out->write(header(head)) >= 0;
    if (!written) {
        *error = refused.arg(out->errorString());
        return false;
    }
    return made;
}

bool exportReport(const QSqlDatabase &db, const ReportRequest &request, const QString &path, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = QCoreApplication::translate("ReportCsv", "The file could not be written: %1").arg(file.errorString());
        return false;
    }
    if (!writeReport(db, request, &file, error))
        return false;
    if (!file.commit()) {
        *error = QCoreApplication::translate("ReportCsv", "The file could not be written: %1").arg(file.errorString());
        return false;
    }
    return true;
}

} // namespace ReportCsv
