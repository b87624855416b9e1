#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <array>

namespace QuilletServer {

// The five kinds of synchronised records, in the order in which records that
// others refer to come first: a pull never hands out a transaction before
// the account it belongs to.
struct EntityKind {
    const char *type;      // "entity_type" in a push and its results
    const char *arrayKey;  // the array of a pull reply
};
inline constexpr int kEntityCount = 5;
const std::array<EntityKind, kEntityCount> &entityKinds();
int entityIndex(const QString &type);
// The "entity_type" of a kind, by its index.
QString entityType(int entity);
// The kinds the server treats apart, by index in entityKinds().
inline constexpr int kAccountKind = 0;
inline constexpr int kCategoryKind = 1;
inline constexpr int kTransactionKind = 3;
inline constexpr int kReconciliationKind = 4;

inline constexpr int kMaxChangesPerPush = 500;

// One element of a push request's "changes", checked.
struct Change {
    int entity = 0;
    QString entityId;
    bool isDelete = false;
    qint64 version = 0;
    QJsonObject payload;
};

// Reads a push body. On the first problem returns false and names it, with
// its place in the request ("changes[3].payload.amount must be an integer").
bool parsePushRequest(const QByteArray &body, QList<Change> *out, QString *problem);

bool isUuidText(const QString &text);

} // namespace QuilletServer
