#include "data/preferencesrepository.h"

#include "data/database.h"

#include <QJsonDocument>
#include <QSqlQuery>

PreferencesRepository::PreferencesRepository(Database *database, QObject *parent)
    : QObject(parent)
    , m_statements(database->connection())
{
}

std::optional<QString> PreferencesRepository::get(const QString &key)
{
    QSqlQuery *q = m_statements.prepare(QStringLiteral("SELECT value FROM preferences WHERE key = ?"), {key},
                                        "PreferencesRepository::get failed:");
    if (!Sql::exec(q, "PreferencesRepository::get failed:"))
        return std::nullopt;
    std::optional<QString> value;
    if (q->next())
        value = q->value(0).toString();
    q->finish();
    return value;
}

QString PreferencesRepository::get(const QString &key, const QString &defaultValue)
{
    return get(key).value_or(defaultValue);
}

bool PreferencesRepository::getBool(const QString &key, bool defaultValue)
{
    const std::optional<QString> value = get(key);
    if (!value)
        return defaultValue;
    return *value == QLatin1String("1") || *value == QLatin1String("true");
}

bool PreferencesRepository::set(const QString &key, const QString &value)
{
    QSqlQuery *q = m_statements.prepare(QStringLiteral("INSERT INTO preferences (key, value) VALUES (?, ?) ON "
                                                       "CONFLICT(key) DO UPDATE SET value = excluded.value"),
                                        {key, value}, "PreferencesRepository::set failed:");
    if (!Sql::exec(q, "PreferencesRepository::set failed:"))
        return false;
    Q_EMIT changed(key);
    return true;
}

bool PreferencesRepository::setBool(const QString &key, bool value)
{
    return set(key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

QJsonObject PreferencesRepository::getObject(const QString &key)
{
    return QJsonDocument::fromJson(get(key, QString()).toUtf8()).object();
}

bool PreferencesRepository::setObject(const QString &key, const QJsonObject &value)
{
    return set(key, QString::fromUtf8(QJsonDocument(value).toJson(QJsonDocument::Compact)));
}

bool PreferencesRepository::remove(const QString &key)
{
    QSqlQuery *q = m_statements.prepare(QStringLiteral("DELETE FROM preferences WHERE key = ?"), {key},
                                        "PreferencesRepository::remove failed:");
    return Sql::exec(q, "PreferencesRepository::remove failed:");
}
