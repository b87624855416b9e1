#pragma once

#include <QHash>
#include <QJsonObject>
#include <QSet>
#include <QString>
#include <QStringList>

namespace QuilletServer {

class ChangeSequences;
class Store;

// One stored record as the feed needs to know it.
struct RecordRef {
    QString ownerId;
    int entity = 0;  // index into entityKinds()
    QString clientId;
    QString serverId;
    QString accountId;  // the owner's local id of the account a row belongs to
    QJsonObject payload;
};

// An account someone shared with the user, keyed by the owner's local id.
struct SharedAccount {
    QString ownerId;
    QString serverId;
    QString clientId;
    QString role;  // "viewer" or "editor"
};

// What members of shared accounts receive. Each record of a shared account,
// and each category its rows use, is entered in the member's own change
// sequence (table shared_records), so that a member's pull walks one
// sequence for their own records and those shared with them, and a cursor
// keeps its meaning: an account shared today brings its old rows under new
// numbers. An entry moves to the end of the sequence whenever its record
// changes. When the member may no longer see the record, the entry stays,
// marked revoked, and pulls deliver the record as deleted.
class SharedFeed
{
public:
    SharedFeed(Store &store, ChangeSequences &sequences, const QString &now);

    // The accounts shared with a user, by the owner's local account id.
    static bool sharedWith(Store &store, const QString &memberId, QHash<QString, SharedAccount> *out,
                           QString *error);
    // Whether any record of another user ever reached this one, its share
    // ended or not; with rowsOnly, a category (which an owner may be given
    // too) does not count.
    static bool receivesAny(Store &store, const QString &userId, bool *out, QString *error, bool rowsOnly = false);

    // After an accepted change to a record: every member who may see it
    // learns of it; one who no longer may sees it go.
    bool recordChanged(const RecordRef &record, QString *error);

    // A new share: the account, its live rows and the categories they use.
    bool accountShared(const RecordRef &account, const QString &memberId, QString *error);
    // A changed role: the account's entry moves on, so that the member learns it.
    bool roleChanged(const RecordRef &account, const QString &memberId, QString *error);
    // A removed share: the account and its rows leave the member's view.
    bool accountUnshared(const RecordRef &account, const QString &memberId, QString *error);

    // The account record of that server id, whoever owns it.
    static bool findAccount(Store &store, const QString &serverId, RecordRef *out, bool *deleted, bool *found,
                            QString *error);

private:
    // Whether the owner shares anything or ever did; most users never do,
    // and their pushes then skip the feed.
    bool ownerTakesPart(const QString &ownerId, bool *part, QString *error);
    bool membersOfAccount(const RecordRef &record, QStringList *members, QString *error);
    bool enter(const QString &memberId, const RecordRef &record, bool revoked, QString *error);
    // The categories a row uses, with their parents, for a member (or the
    // account's owner) who lacks them.
    bool deliverCategories(const QString &memberId, const QString &ownerId, const QString &accountId,
                           const QStringList &categoryIds, QString *error);
    bool deliverCategory(const QString &memberId, const QString &ownerId, const QString &accountId,
                         const QString &categoryId, int depth, QString *error);
    // The category of that id a row of the account may use: the owner's,
    // else one of a member's, present or past, who may have filed the row.
    bool findCategory(const QString &ownerId, const QString &accountId, const QString &categoryId, RecordRef *out,
                      bool *found, QString *error);

    Store &m_store;
    ChangeSequences &m_sequences;
    QString m_now;
    QHash<QString, bool> m_takesPart;
    // "member\ncategory id" of the categories a member is known to have.
    // A failed write ends the whole push, so nothing here outlives a rollback.
    QSet<QString> m_delivered;
    // "owner\naccount id" -> the members of that shared account, for its
    // rows. A push never changes who shares what, so a push's feed asks once
    // per account, not once per row.
    QHash<QString, QStringList> m_rowMembers;
};

// The local ids of the categories a transaction's payload names, its split
// lines' included.
QStringList categoriesUsed(const QJsonObject &payload);

} // namespace QuilletServer
