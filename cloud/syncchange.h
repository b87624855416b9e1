#pragma once

#include "data/records.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// One element of a push request's "changes": a local row as the service
// receives it. The payload is written with its keys in their fixed order
// (client_id first), which a QJsonObject, sorting its keys, would lose.
struct SyncChange {
    // A key and its value, already written as JSON.
    using Fields = QList<QPair<QString, QByteArray>>;

    QString entityType;  // "account", "category", "recurring", "transaction", "reconciliation"
    QString entityId;
    bool isDelete = false;
    int version = 0;
    Fields payload;

    static SyncChange of(const Account &account);
    static SyncChange of(const Category &category);
    static SyncChange of(const RecurringTransaction &schedule);
    // lines are the transaction's split lines; they go out only when it is split.
    static SyncChange of(const Transaction &transaction, const QList<SplitLine> &lines);
    static SyncChange of(const Reconciliation &reconciliation);

    QByteArray toJson() const;
};

// {"changes":[...]}, the body of one push request.
QByteArray pushBody(const QList<SyncChange> &changes);
