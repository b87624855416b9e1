#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

class HttpClient;

// Push changes as the app writes them, for the server's tests.
namespace SyncWire {

QString uuid();

QJsonObject change(const QString &type, const QString &id, qint64 version, QJsonObject payload,
                   const QString &action = QStringLiteral("upsert"));
QJsonObject accountChange(const QString &id, qint64 version, const QString &name);
QJsonObject transactionChange(const QString &id, qint64 version, qint64 amount, const QString &account);
// The same change as a deletion.
QJsonObject deleted(QJsonObject change);
// A change with one payload key set.
QJsonObject with(QJsonObject change, const QString &key, const QJsonValue &value);
QJsonObject body(const QJsonArray &changes);
// Adds a pull page to the pages before it: arrays joined, the rest replaced.
void appendPage(QJsonObject *merged, const QJsonObject &page);
// Every pull page after *cursor, merged as above; *cursor moves past them.
QJsonObject pullAll(HttpClient &client, const QString &token, QString *cursor, int limit = 200);

} // namespace SyncWire
