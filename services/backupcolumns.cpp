#include "services/backupcolumns.h"

#include "data/sqlvalue.h"

#include <QJsonValue>
#include <QSqlError>
#include <QSqlQuery>

#include <cmath>

namespace {

const QString kId = QStringLiteral("id");

BackupColumn::Kind kindOf(const QString &name, const QString &type)
{
    using Kind = BackupColumn::Kind;
    if (type.compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0) {
        const bool flag = name.startsWith(QLatin1String("is_")) || name == QLatin1String("cleared") ||
            name == QLatin1String("reconciled") || name == QLatin1String("auto_post");
        return flag ? Kind::Flag : Kind::Integer;
    }
    if (name == QLatin1String("date") || name.endsWith(QLatin1String("_date")))
        return Kind::Date;
    if (name.endsWith(QLatin1String("_at")))
        return Kind::Timestamp;
    // The service's own id is dropped on restore; every other id names a row.
    if (name == kId || (name.endsWith(QLatin1String("_id")) && name != QLatin1String("server_id")))
        return Kind::Id;
    return Kind::Text;
}

bool integerOf(const QJsonValue &value, qint64 *out)
{
    if (!value.isDouble())
        return false;
    const QVariant exact = value.toVariant();
    if (exact.typeId() == QMetaType::LongLong) {
        *out = exact.toLongLong();
    } else {
        // Written with a fraction or an exponent: whole numbers only.
        const double d = value.toDouble();
        if (!std::isfinite(d) || std::trunc(d) != d || std::fabs(d) > double(BackupColumn::kMaxInteger))
            return false;
        *out = qint64(d);
    }
    return *out >= -BackupColumn::kMaxInteger && *out <= BackupColumn::kMaxInteger;
}

} // namespace

QList<BackupColumn> BackupColumn::of(const QSqlDatabase &db, const QString &table)
{
    QList<BackupColumn> columns;
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA table_info(%1)").arg(table))) {
        qWarning().noquote() << "BackupService cannot read the columns of" << table << q.lastError().text();
        return columns;
    }
    while (q.next()) {
        BackupColumn column;
        column.name = q.value(1).toString();
        column.kind = kindOf(column.name, q.value(2).toString());
        column.nullable = q.value(3).toInt() == 0 && column.name != kId;
        columns.append(column);
    }
    return columns;
}

bool BackupColumn::fit(const QJsonValue &value, QVariant *bound) const
{
    if (value.isNull()) {
        *bound = QVariant();
        return nullable;
    }
    if (kind == Kind::Integer || kind == Kind::Flag) {
        qint64 n = 0;
        if (!integerOf(value, &n) || (kind == Kind::Flag && n != 0 && n != 1))
            return false;
        *bound = n;
        return true;
    }
    if (!value.isString())
        return false;
    const QString text = value.toString();
    if (text.size() > kMaxTextLength)
        return false;
    switch (kind) {
    case Kind::Id:
        if (!text.isEmpty() && !isPlainName(text))
            return false;
        break;
    case Kind::Date:
        if (text.size() != 10 || !SqlValue::parseDate(text).isValid())
            return false;
        break;
    case Kind::Timestamp:
        // Rows written before their time was known hold an empty text.
        if (!text.isEmpty() && !SqlValue::parseTimestamp(text).isValid())
            return false;
        break;
    default:
        break;
    }
    *bound = text;
    return true;
}

bool BackupColumn::isPlainName(const QString &text)
{
    return !text.isEmpty() && !text.contains(QLatin1Char('/')) && !text.contains(QLatin1Char('\\')) &&
        !text.contains(QLatin1String(".."));
}
