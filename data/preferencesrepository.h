#pragma once

#include "data/statementcache.h"

#include <QJsonObject>
#include <QObject>
#include <QString>

#include <optional>

class Database;

// Key/value preferences stored in the database. Booleans are "1" and "0".
class PreferencesRepository : public QObject
{
    Q_OBJECT
public:
    explicit PreferencesRepository(Database *database, QObject *parent = nullptr);

    std::optional<QString> get(const QString &key);
    QString get(const QString &key, const QString &defaultValue);
    bool getBool(const QString &key, bool defaultValue);
    bool set(const QString &key, const QString &value);
    bool setBool(const QString &key, bool value);
    // A preference that holds a JSON object; an empty one when it is unset
    // or holds anything else.
    QJsonObject getObject(const QString &key);
    bool setObject(const QString &key, const QJsonObject &value);
    bool remove(const QString &key);

Q_SIGNALS:
    void changed(const QString &key);

private:
    StatementCache m_statements;
};
