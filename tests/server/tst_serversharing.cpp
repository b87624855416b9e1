// Sharing an account over real HTTP: who may share and unshare, what a
// member's pulls bring (the old rows of a newly shared account too, whatever
// the member's cursor), what a viewer's and an editor's pushes do, and what
// the end of a share leaves behind, on SQLite and PostgreSQL.
#include "signin.h"
#include "storetest.h"
#include "syncwire.h"

#include "server/backend.h"
#include "server/familygroups.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>

using namespace SyncWire;

namespace {

QStringList ids(const QJsonArray &records)
{
    QStringList out;
    for (const QJsonValue &r : records)
        out.append(r.toObject().value(QStringLiteral("client_id")).toString());
    return out;
}

QJsonObject byClientId(const QJsonArray &records, const QString &id)
{
    for (const QJsonValue &r : records) {
        if (r.toObject().value(QStringLiteral("client_id")).toString() == id)
            return r.toObject();
    }
    return {};
}

QJsonObject category(const QString &id, const QString &name, const QString &parent = {})
{
    return change(QStringLiteral("category"), id, 1,
                  {{QStringLiteral("name"), name},
                   {QStringLiteral("category_type"), QStringLiteral("expense")},
                   {QStringLiteral("parent_id"), parent.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(parent)}});
}

// A pulled record sent back as it came: the change a device makes of a row
// it has not touched.
QJsonObject resent(const QString &type, const QJsonObject &record)
{
    QJsonObject payload = record;
    const QString serverId = payload.take(QStringLiteral("id")).toString();
    payload.insert(QStringLiteral("server_id"), serverId);
    const qint64 version = qint64(record.value(QStringLiteral("version")).toDouble());
    return change(type, record.value(QStringLiteral("client_id")).toString(), version, payload);
}

} // namespace

class TstServerSharing : public StoreTest
{
    Q_OBJECT

private:
    struct User {
        QString token;
        QString id;
        QString email;
        QString cursor;
    };
    User m_owner, m_member, m_stranger;
    // The owner's "Joint Checking" with a payment, and a private account.
    const QString m_joint = QStringLiteral("0b6d3a0e-5a1f-4c2e-9d7b-3e8f1a2b4c5d");
    const QString m_private = QStringLiteral("7c1e2d3f-4a5b-4c6d-8e9f-0a1b2c3d4e5f");
    const QString m_payment = QStringLiteral("2f3e4d5c-6b7a-4980-a1b2-c3d4e5f60718");
    QString m_jointServerId;

    HttpClient &client() { return m_server.client(); }

    User signUp(const QString &email)
    {
        User user{SignIn::signUp(client(), email).access, {}, email, {}};
        user.id = client().get(QStringLiteral("/account/v1/me"), user.token).json().value(QStringLiteral("id")).toString();
        return user;
    }
    QJsonArray push(const User &user, const QJsonArray &changes)
    {
        const HttpReply reply = client().postJson(QStringLiteral("/quillet/v1/sync/push"), body(changes), user.token);
        if (reply.status != 200)
            qWarning("push answered %d: %s", reply.status, reply.body.constData());
        return reply.json().value(QStringLiteral("results")).toArray();
    }
    QString pushStatus(const User &user, const QJsonObject &change)
    {
        return push(user, {change}).at(0).toObject().value(QStringLiteral("status")).toString();
    }
    // Every page after the user's cursor, merged, the cursor moved on.
    QJsonObject pull(User &user, int limit = 200)
    {
        return SyncWire::pullAll(client(), user.token, &user.cursor, limit);
    }
    HttpReply shareWith(const User &member, const QString &role)
    {
        return client().postJson(QStringLiteral("/quillet/v1/accounts/%1/share").arg(m_jointServerId),
                                 {{QStringLiteral("user_id"), member.id}, {QStringLiteral("role"), role}}, m_owner.token);
    }
    HttpReply unshare(const User &member)
    {
        return client().send("DELETE", QStringLiteral("/quillet/v1/accounts/%1/share/%2").arg(m_jointServerId, member.id),
                             {}, {}, m_owner.token);
    }
    void putInOneGroup(const User &owner, const User &member);

private Q_SLOTS:
    void initTestCase() { SKIP_WITHOUT_STORE(); }
    void init()
    {
        START_SERVER();
        m_owner = signUp(QStringLiteral("owner@example.org"));
        m_member = signUp(QStringLiteral("member@example.org"));
        m_stranger = signUp(QStringLiteral("stranger@example.org"));
        putInOneGroup(m_owner, m_member);
        const QJsonArray results = push(m_owner, {accountChange(m_joint, 1, QStringLiteral("Joint Checking")),
                                                  accountChange(m_private, 1, QStringLiteral("Private")),
                                                  transactionChange(m_payment, 1, -4500, m_joint)});
        m_jointServerId = results.at(0).toObject().value(QStringLiteral("server_id")).toString();
        QVERIFY(!m_jointServerId.isEmpty());
    }

    void theRulesOfSharing_data()
    {
        QTest::addColumn<QString>("caller");
        QTest::addColumn<QByteArray>("method");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QJsonObject>("body");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("answer");  // part of the message, or the member's role afterwards
        // %1 the account's server id; user ids by their names in braces.
        const QString share = QStringLiteral("/quillet/v1/accounts/%1/share");
        const QString members = QStringLiteral("/quillet/v1/accounts/%1/members");
        auto to = [](const char *who, const char *role) {
            return QJsonObject{{QStringLiteral("user_id"), QLatin1String(who)}, {QStringLiteral("role"), QLatin1String(role)}};
        };
        QTest::newRow("owner makes a member an editor") << "owner" << QByteArray("POST") << share << to("{member}", "editor") << 200 << "editor";
        QTest::newRow("owner lists") << "owner" << QByteArray("GET") << members << QJsonObject() << 200 << "viewer";
        QTest::newRow("member lists") << "member" << QByteArray("GET") << members << QJsonObject() << 200 << "viewer";
        QTest::newRow("stranger lists") << "stranger" << QByteArray("GET") << members << QJsonObject() << 403 << "not shared with you";
        QTest::newRow("outside the group") << "owner" << QByteArray("POST") << share << to("{stranger}", "viewer") << 403 << "family group";
        QTest::newRow("no such user") << "owner" << QByteArray("POST") << share << to("nobody", "viewer") << 403 << "family group";
        QTest::newRow("member shares") << "member" << QByteArray("POST") << share << to("{owner}", "editor") << 403 << "owner";
        QTest::newRow("stranger shares") << "stranger" << QByteArray("POST") << share << to("{member}", "editor") << 403 << "owner";
        QTest::newRow("member unshares") << "member" << QByteArray("DELETE") << share + QStringLiteral("/{member}") << QJsonObject() << 403 << "owner";
        QTest::newRow("unknown role") << "owner" << QByteArray("POST") << share << to("{member}", "admin") << 400 << "role";
        QTest::newRow("with oneself") << "owner" << QByteArray("POST") << share << to("{owner}", "viewer") << 400 << "owner";
        QTest::newRow("no user named") << "owner" << QByteArray("POST") << share << QJsonObject{{QStringLiteral("role"), QStringLiteral("viewer")}} << 400 << "user_id";
        QTest::newRow("unknown account") << "owner" << QByteArray("GET") << QStringLiteral("/quillet/v1/accounts/%1x/members") << QJsonObject() << 404 << "no such account";
        QTest::newRow("unshare a non-member") << "owner" << QByteArray("DELETE") << share + QStringLiteral("/{stranger}") << QJsonObject() << 404 << "not shared with that user";
        QTest::newRow("no token") << QString() << QByteArray("GET") << members << QJsonObject() << 401 << "";
    }

    void theRulesOfSharing()
    {
        QFETCH(QString, caller);
        QFETCH(QByteArray, method);
        QFETCH(QString, path);
        QFETCH(QJsonObject, body);
        QFETCH(int, status);
        QFETCH(QString, answer);
        QCOMPARE(shareWith(m_member, QStringLiteral("viewer")).status, 200);

        const QHash<QString, User *> users = {{QStringLiteral("owner"), &m_owner},
                                              {QStringLiteral("member"), &m_member},
                                              {QStringLiteral("stranger"), &m_stranger}};
        auto named = [&users](QString text) {
            for (auto it = users.begin(); it != users.end(); ++it)
                text.replace(QLatin1Char('{') + it.key() + QLatin1Char('}'), it.value()->id);
            return text;
        };
        if (body.contains(QStringLiteral("user_id")))
            body.insert(QStringLiteral("user_id"), named(body.value(QStringLiteral("user_id")).toString()));
        const QString token = caller.isEmpty() ? QString() : users.value(caller)->token;
        const HttpReply reply = client().send(method, named(path.arg(m_jointServerId)),
                                              body.isEmpty() ? QByteArray() : QJsonDocument(body).toJson(),
                                              "application/json", token);
        QCOMPARE(reply.status, status);
        const QJsonObject json = reply.json();
        if (status != 200) {
            QVERIFY2(json.value(QStringLiteral("message")).toString().contains(answer), reply.body.constData());
            QVERIFY(!json.value(QStringLiteral("error")).toString().isEmpty());
        }
        // Whatever the request, the owner's listing tells the outcome.
        const QJsonObject listing = client().get(QStringLiteral("/quillet/v1/accounts/%1/members").arg(m_jointServerId),
                                                 m_owner.token).json();
        const QJsonArray list = listing.value(QStringLiteral("members")).toArray();
        QCOMPARE(list.size(), 1);
        const QJsonObject member = list.at(0).toObject();
        QCOMPARE(member.value(QStringLiteral("user_id")).toString(), m_member.id);
        QCOMPARE(member.value(QStringLiteral("email")).toString(), m_member.email);
        QVERIFY(!member.value(QStringLiteral("display_name")).toString().isEmpty());
        QVERIFY(QDateTime::fromString(member.value(QStringLiteral("created_at")).toString(), Qt::ISODateWithMs).isValid());
        QCOMPARE(member.value(QStringLiteral("role")).toString(), status == 200 ? answer : QStringLiteral("viewer"));
        QCOMPARE(listing.value(QStringLiteral("owner")).toObject().value(QStringLiteral("email")).toString(), m_owner.email);
        if (status == 200 && caller == QLatin1String("member"))
            QCOMPARE(json.value(QStringLiteral("role")).toString(), QStringLiteral("viewer"));
    }

    void aNewShareBringsTheAccountsOldRows()
    {
        // The owner's rows are old; the member's cursor is far along their
        // own sequence before the share.
        const QString pets = uuid(), dogFood = uuid(), common = uuid(), recurring = uuid(), reconciliation = uuid();
        QJsonArray owners = {category(pets, QStringLiteral("Pets")), category(dogFood, QStringLiteral("Dog food"), pets),
                             category(common, QStringLiteral("Owner's name for it")),
                             change(QStringLiteral("recurring"), recurring, 1,
                                    {{QStringLiteral("account_id"), m_joint}, {QStringLiteral("amount"), -100}}),
                             change(QStringLiteral("reconciliation"), reconciliation, 1,
                                    {{QStringLiteral("account_id"), m_joint},
                                     {QStringLiteral("statement_date"), QStringLiteral("2024-03-31")}}),
                             transactionChange(uuid(), 1, -1, m_private)};
        QStringList jointRows = {m_payment};
        for (int i = 0; i < 240; ++i) {
            jointRows.append(uuid());
            QJsonObject t = transactionChange(jointRows.last(), 1, -i, m_joint);
            if (i == 7)
                t = with(t, QStringLiteral("category_id"), dogFood);
            if (i == 8)
                t = with(with(t, QStringLiteral("is_split"), 1), QStringLiteral("split_lines"),
                         QJsonArray{QJsonObject{{QStringLiteral("category_id"), common}, {QStringLiteral("amount"), -8}}});
            owners.append(t);
        }
        push(m_owner, owners);
        QJsonArray mine = {category(common, QStringLiteral("Member's name for it")),
                           accountChange(uuid(), 1, QStringLiteral("Member's own"))};
        for (int i = 0; i < 300; ++i)
            mine.append(transactionChange(uuid(), 1, i, uuid()));
        push(m_member, mine);
        pull(m_member);
        pull(m_owner);

        QCOMPARE(shareWith(m_member, QStringLiteral("editor")).status, 200);
        // Small pages: the shared rows come in order with the member's own
        // sequence, each once.
        const QJsonObject got = pull(m_member, 50);
        const QJsonArray accounts = got.value(QStringLiteral("accounts")).toArray();
        QCOMPARE(ids(accounts), QStringList{m_joint});
        const QJsonObject joint = accounts.at(0).toObject();
        QCOMPARE(joint.value(QStringLiteral("id")).toString(), m_jointServerId);
        QCOMPARE(joint.value(QStringLiteral("is_shared")).toInt(), 1);
        QCOMPARE(joint.value(QStringLiteral("shared_role")).toString(), QStringLiteral("editor"));
        QCOMPARE(joint.value(QStringLiteral("owner_email")).toString(), m_owner.email);
        // The categories the rows use, a parent before its child; the
        // member's own category of the same id stays theirs.
        QCOMPARE(ids(got.value(QStringLiteral("categories")).toArray()), (QStringList{pets, dogFood}));
        QCOMPARE(ids(got.value(QStringLiteral("transactions")).toArray()), jointRows);
        QCOMPARE(ids(got.value(QStringLiteral("reconciliations")).toArray()), QStringList{reconciliation});
        QCOMPARE(got.value(QStringLiteral("recurring_transactions")).toArray().size(), 0);
        const QJsonObject integrity = got.value(QStringLiteral("integrity")).toObject();
        QCOMPARE(integrity.value(QStringLiteral("category_count")).toInt(), 3);
        QCOMPARE(integrity.value(QStringLiteral("accounts")).toObject().value(m_joint).toObject().value(QStringLiteral("count")).toInt(),
                 int(jointRows.size()));
        // A new device of the member gets the same from the beginning.
        User fresh = m_member;
        fresh.cursor.clear();
        const QJsonObject all = pull(fresh);
        QCOMPARE(all.value(QStringLiteral("accounts")).toArray().size(), 2);
        QCOMPARE(all.value(QStringLiteral("transactions")).toArray().size(), 300 + jointRows.size());
        QCOMPARE(byClientId(all.value(QStringLiteral("categories")).toArray(), common).value(QStringLiteral("name")).toString(),
                 QStringLiteral("Member's name for it"));

        // The owner learns that the account is shared; the private one is not.
        const QJsonArray ownerAccounts = pull(m_owner).value(QStringLiteral("accounts")).toArray();
        QCOMPARE(ids(ownerAccounts), QStringList{m_joint});
        QCOMPARE(ownerAccounts.at(0).toObject().value(QStringLiteral("is_shared")).toInt(), 1);
        QVERIFY(!ownerAccounts.at(0).toObject().contains(QStringLiteral("shared_role")));
        // Nothing of it reaches anyone else.
        QCOMPARE(pull(m_stranger).value(QStringLiteral("transactions")).toArray().size(), 0);

        // The owner's later changes follow: an edit, a new category in use,
        // its new name, and a row moved out of the shared account.
        const QString toys = uuid();
        push(m_owner, {transactionChange(m_payment, 2, -5000, m_joint), category(toys, QStringLiteral("Toys"))});
        push(m_owner, {with(transactionChange(jointRows.at(1), 2, -1, m_joint), QStringLiteral("category_id"), toys),
                       transactionChange(jointRows.at(2), 2, -2, m_private)});
        push(m_owner, {category(toys, QStringLiteral("Toys & games"))});
        QJsonObject later = pull(m_member);
        QCOMPARE(byClientId(later.value(QStringLiteral("categories")).toArray(), toys).value(QStringLiteral("name")).toString(),
                 QStringLiteral("Toys & games"));
        const QJsonArray txns = later.value(QStringLiteral("transactions")).toArray();
        QCOMPARE(ids(txns), (QStringList{m_payment, jointRows.at(1), jointRows.at(2)}));
        QCOMPARE(byClientId(txns, m_payment).value(QStringLiteral("amount")).toInt(), -5000);
        QVERIFY(!byClientId(txns, jointRows.at(1)).contains(QStringLiteral("deleted_at")));
        QVERIFY(byClientId(txns, jointRows.at(2)).value(QStringLiteral("access_revoked")).toBool());
        QVERIFY(!byClientId(txns, jointRows.at(2)).value(QStringLiteral("deleted_at")).toString().isEmpty());
    }

    // Two people's accounts can carry the same local id (both loaded the
    // sample data, or restored one backup): the member's device then holds
    // its own rows and the shared ones in one account, and the figure the
    // pull reports for it counts both.
    void integrityCountsOwnAndSharedRowsOfOneAccountId()
    {
        push(m_member, {accountChange(m_joint, 1, QStringLiteral("Member's own")), transactionChange(uuid(), 1, -1, m_joint),
                        transactionChange(uuid(), 1, -2, m_joint)});
        QCOMPARE(shareWith(m_member, QStringLiteral("viewer")).status, 200);
        User fresh = m_member;
        fresh.cursor.clear();
        const QJsonObject got = pull(fresh);
        QCOMPARE(got.value(QStringLiteral("transactions")).toArray().size(), 3);
        QCOMPARE(got.value(QStringLiteral("integrity")).toObject().value(QStringLiteral("accounts")).toObject().value(m_joint)
                     .toObject().value(QStringLiteral("count")).toInt(),
                 3);
    }

    void whatAMemberMayPush_data()
    {
        QTest::addColumn<QString>("role");
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("status");
        const struct {
            const char *what;
            const char *editor;
            const char *viewer;
        } rows[] = {
            {"new row", "ok", "forbidden"},
            {"edit row", "ok", "forbidden"},
            {"delete row", "ok", "forbidden"},
            {"rename account", "ok", "forbidden"},
            {"delete account", "forbidden", "forbidden"},
            {"move row to own account", "forbidden", "forbidden"},
            {"move own row into shared account", "forbidden", "forbidden"},
            {"resend unchanged", "ok", "ok"},
        };
        for (const auto &row : rows) {
            QTest::addRow("editor: %s", row.what) << "editor" << row.what << row.editor;
            QTest::addRow("viewer: %s", row.what) << "viewer" << row.what << row.viewer;
        }
    }

    void whatAMemberMayPush()
    {
        QFETCH(QString, role);
        QFETCH(QString, what);
        QFETCH(QString, status);
        const QString own = uuid(), ownRow = uuid();
        push(m_member, {accountChange(own, 1, QStringLiteral("Member's own")), transactionChange(ownRow, 1, -3, own)});
        QCOMPARE(shareWith(m_member, role).status, 200);
        const QJsonObject seen = pull(m_member);
        const QJsonObject payment = byClientId(seen.value(QStringLiteral("transactions")).toArray(), m_payment);
        const QJsonObject account = byClientId(seen.value(QStringLiteral("accounts")).toArray(), m_joint);
        QCOMPARE(account.value(QStringLiteral("shared_role")).toString(), role);
        const QJsonObject edited = with(resent(QStringLiteral("transaction"), payment), QStringLiteral("amount"), -9999);
        const QString newRow = uuid();
        const QHash<QString, QJsonObject> changes = {
            {QStringLiteral("new row"), transactionChange(newRow, 1, -1234, m_joint)},
            {QStringLiteral("edit row"), edited},
            {QStringLiteral("delete row"), deleted(resent(QStringLiteral("transaction"), payment))},
            {QStringLiteral("rename account"), with(resent(QStringLiteral("account"), account), QStringLiteral("name"), QStringLiteral("Ours"))},
            {QStringLiteral("delete account"), deleted(resent(QStringLiteral("account"), account))},
            {QStringLiteral("move row to own account"), with(edited, QStringLiteral("account_id"), own)},
            {QStringLiteral("move own row into shared account"), transactionChange(ownRow, 2, -3, m_joint)},
            {QStringLiteral("resend unchanged"), resent(QStringLiteral("transaction"), payment)},
        };
        const QJsonObject sent = changes.value(what);
        const QJsonArray results = push(m_member, {sent});
        QCOMPARE(results.size(), 1);
        const QJsonObject result = results.at(0).toObject();
        QCOMPARE(result.value(QStringLiteral("status")).toString(), status);
        QCOMPARE(result.value(QStringLiteral("entity_id")), sent.value(QStringLiteral("entity_id")));
        if (status == QLatin1String("forbidden"))
            QVERIFY(!result.value(QStringLiteral("message")).toString().isEmpty());

        // The owner sees exactly the accepted changes.
        const QJsonObject ownerView = pull(m_owner);
        const QJsonArray ownerTxns = ownerView.value(QStringLiteral("transactions")).toArray();
        const QJsonObject ownerPayment = byClientId(ownerTxns, m_payment);
        const bool accepted = status == QLatin1String("ok");
        QCOMPARE(ownerPayment.value(QStringLiteral("amount")).toInt(), accepted && what == QLatin1String("edit row") ? -9999 : -4500);
        QCOMPARE(ownerPayment.contains(QStringLiteral("deleted_at")), accepted && what == QLatin1String("delete row"));
        QCOMPARE(byClientId(ownerTxns, newRow).value(QStringLiteral("amount")).toInt(), accepted && what == QLatin1String("new row") ? -1234 : 0);
        QCOMPARE(byClientId(ownerView.value(QStringLiteral("accounts")).toArray(), m_joint).value(QStringLiteral("name")).toString(),
                 accepted && what == QLatin1String("rename account") ? QStringLiteral("Ours") : QStringLiteral("Joint Checking"));
        QVERIFY(byClientId(ownerTxns, ownRow).isEmpty());
        // An accepted row comes back to the member's other devices as well.
        if (accepted && what == QLatin1String("new row"))
            QCOMPARE(ids(pull(m_member).value(QStringLiteral("transactions")).toArray()), QStringList{newRow});
    }

    // An editor files a row of the shared account under a category of their
    // own: the owner and every other member get the category (its parent
    // first) with the row, and its later name; someone with a category of
    // that id keeps theirs.
    void aMembersOwnCategoryReachesEveryone_data()
    {
        QTest::addColumn<bool>("subcategory");      // the member's category has a parent of theirs
        QTest::addColumn<bool>("inSplitLine");      // used by a split line, not by the row
        QTest::addColumn<bool>("ownerHasId");       // the owner has a category of the same id
        QTest::addColumn<bool>("cousinJoinsLater"); // the other member is given the account afterwards
        QTest::newRow("own category") << false << false << false << false;
        QTest::newRow("own subcategory in a split line") << true << true << false << false;
        QTest::newRow("the owner has one of that id") << false << false << true << false;
        QTest::newRow("another member joins afterwards") << true << false << false << true;
    }

    void aMembersOwnCategoryReachesEveryone()
    {
        QFETCH(bool, subcategory);
        QFETCH(bool, inSplitLine);
        QFETCH(bool, ownerHasId);
        QFETCH(bool, cousinJoinsLater);
        User cousin = signUp(QStringLiteral("cousin@example.org"));
        putInOneGroup(m_owner, cousin);
        const QString parent = uuid(), mine = uuid(), row = uuid();
        if (ownerHasId)
            push(m_owner, {category(mine, QStringLiteral("Owner's name for it"))});
        QCOMPARE(shareWith(m_member, QStringLiteral("editor")).status, 200);
        if (!cousinJoinsLater)
            QCOMPARE(shareWith(cousin, QStringLiteral("viewer")).status, 200);
        pull(m_owner);
        pull(m_member);
        pull(cousin);

        QJsonArray changes;
        if (subcategory)
            changes.append(category(parent, QStringLiteral("Hobbies")));
        changes.append(category(mine, QStringLiteral("Model trains"), subcategory ? parent : QString()));
        QJsonObject filed = transactionChange(row, 1, -2500, m_joint);
        filed = inSplitLine ? with(with(filed, QStringLiteral("is_split"), 1), QStringLiteral("split_lines"),
                                   QJsonArray{QJsonObject{{QStringLiteral("category_id"), mine},
                                                          {QStringLiteral("amount"), -2500}}})
                            : with(filed, QStringLiteral("category_id"), mine);
        changes.append(filed);
        for (const QJsonValue &result : push(m_member, changes))
            QCOMPARE(result.toObject().value(QStringLiteral("status")).toString(), QStringLiteral("ok"));
        if (cousinJoinsLater)
            QCOMPARE(shareWith(cousin, QStringLiteral("viewer")).status, 200);

        const QStringList members = subcategory ? QStringList{parent, mine} : QStringList{mine};
        for (User *user : {&m_owner, &cousin}) {
            const bool owner = user == &m_owner;
            const QJsonObject got = pull(*user);
            QVERIFY(ids(got.value(QStringLiteral("transactions")).toArray()).contains(row));
            const QJsonArray categories = got.value(QStringLiteral("categories")).toArray();
            // The owner's own category of that id is the one the owner keeps
            // and the one the other member is given.
            if (ownerHasId && owner) {
                QCOMPARE(categories.size(), 0);
            } else {
                QCOMPARE(ids(categories), ownerHasId ? QStringList{mine} : members);
                QCOMPARE(byClientId(categories, mine).value(QStringLiteral("name")).toString(),
                         ownerHasId ? QStringLiteral("Owner's name for it") : QStringLiteral("Model trains"));
            }
            QCOMPARE(got.value(QStringLiteral("integrity")).toObject().value(QStringLiteral("category_count")).toInt(),
                     ownerHasId ? 1 : int(members.size()));
        }

        // The member renames it: whoever was given it learns the new name.
        QJsonObject renamed = category(mine, QStringLiteral("Trains"), subcategory ? parent : QString());
        renamed.insert(QStringLiteral("version"), 2);
        QCOMPARE(pushStatus(m_member, renamed), QStringLiteral("ok"));
        for (User *user : {&m_owner, &cousin}) {
            const QJsonArray categories = pull(*user).value(QStringLiteral("categories")).toArray();
            QCOMPARE(ids(categories), ownerHasId ? QStringList() : QStringList{mine});
            if (!ownerHasId)
                QCOMPARE(byClientId(categories, mine).value(QStringLiteral("name")).toString(), QStringLiteral("Trains"));
        }
    }

    void endingAShareDeliversDeletions()
    {
        const QString reconciliation = uuid(), added = uuid();
        push(m_owner, {change(QStringLiteral("reconciliation"), reconciliation, 1,
                              {{QStringLiteral("account_id"), m_joint}, {QStringLiteral("statement_date"), QStringLiteral("2024-03-31")}})});
        QCOMPARE(shareWith(m_member, QStringLiteral("editor")).status, 200);
        pull(m_member);
        QCOMPARE(pushStatus(m_member, transactionChange(added, 1, -700, m_joint)), QStringLiteral("ok"));
        const QJsonObject before = pull(m_member);
        const QJsonObject addedRecord = byClientId(before.value(QStringLiteral("transactions")).toArray(), added);

        QCOMPARE(unshare(m_member).status, 200);
        const QJsonObject after = pull(m_member);
        QCOMPARE(ids(after.value(QStringLiteral("accounts")).toArray()), QStringList{m_joint});
        QStringList revoked = ids(after.value(QStringLiteral("transactions")).toArray());
        revoked.sort();
        QStringList expected = {m_payment, added};
        expected.sort();
        QCOMPARE(revoked, expected);
        QCOMPARE(ids(after.value(QStringLiteral("reconciliations")).toArray()), QStringList{reconciliation});
        for (const char *key : {"accounts", "transactions", "reconciliations"}) {
            for (const QJsonValue &v : after.value(QLatin1String(key)).toArray()) {
                QVERIFY(!v.toObject().value(QStringLiteral("deleted_at")).toString().isEmpty());
                QVERIFY(v.toObject().value(QStringLiteral("access_revoked")).toBool());
            }
        }
        QCOMPARE(after.value(QStringLiteral("integrity")).toObject().value(QStringLiteral("accounts")).toObject().size(), 0);

        // The member's device letting go is answered; its edits are refused;
        // the owner keeps everything, the member's row included.
        QCOMPARE(pushStatus(m_member, deleted(transactionChange(m_payment, 1, -4500, m_joint))), QStringLiteral("ok"));
        QCOMPARE(pushStatus(m_member, with(resent(QStringLiteral("transaction"), addedRecord), QStringLiteral("amount"), -1)),
                 QStringLiteral("forbidden"));
        const QJsonObject owners = pull(m_owner);
        QCOMPARE(byClientId(owners.value(QStringLiteral("accounts")).toArray(), m_joint).value(QStringLiteral("is_shared")).toInt(), 0);
        User fresh = m_owner;
        fresh.cursor.clear();
        const QJsonArray kept = pull(fresh).value(QStringLiteral("transactions")).toArray();
        QCOMPARE(kept.size(), 2);
        for (const QJsonValue &v : kept) {
            QVERIFY(!v.toObject().contains(QStringLiteral("deleted_at")));
            QVERIFY(v.toObject().value(QStringLiteral("amount")).toInt() < -1);
        }

        // Shared again, it all comes back.
        QCOMPARE(shareWith(m_member, QStringLiteral("viewer")).status, 200);
        const QJsonObject again = pull(m_member);
        QCOMPARE(again.value(QStringLiteral("transactions")).toArray().size(), 2);
        for (const QJsonValue &v : again.value(QStringLiteral("transactions")).toArray())
            QVERIFY(!v.toObject().contains(QStringLiteral("access_revoked")) && !v.toObject().contains(QStringLiteral("deleted_at")));
        QCOMPARE(again.value(QStringLiteral("accounts")).toArray().at(0).toObject().value(QStringLiteral("shared_role")).toString(),
                 QStringLiteral("viewer"));
    }

    // A store that cannot answer is the server's failure, never a refusal
    // of the caller's request, and nothing is shared.
    void aStoreFailureIsNoRefusal_data()
    {
        QTest::addColumn<QString>("brokenTable");
        QTest::newRow("the group's members cannot be read") << QStringLiteral("family_members");
        QTest::newRow("the shares cannot be read") << QStringLiteral("account_shares");
    }

    void aStoreFailureIsNoRefusal()
    {
        QFETCH(QString, brokenTable);
        QVERIFY(m_server.exec(QStringLiteral("ALTER TABLE %1 RENAME TO %1_gone").arg(brokenTable)));
        const HttpReply reply = shareWith(m_member, QStringLiteral("editor"));
        QCOMPARE(reply.status, 503);
        QCOMPARE(reply.json().value(QStringLiteral("error")).toString(), QStringLiteral("store_unavailable"));
        QVERIFY(m_server.exec(QStringLiteral("ALTER TABLE %1_gone RENAME TO %1").arg(brokenTable)));
        QCOMPARE(m_server.rowCount(QStringLiteral("account_shares")), 0);
    }

    void leavingTheGroupEndsTheShares_data()
    {
        QTest::addColumn<bool>("removedByOwner");
        QTest::newRow("the member leaves") << false;
        QTest::newRow("the owner removes the member") << true;
    }

    void leavingTheGroupEndsTheShares()
    {
        QFETCH(bool, removedByOwner);
        const User cousin = signUp(QStringLiteral("cousin@example.org"));
        putInOneGroup(m_owner, cousin);
        QCOMPARE(shareWith(m_member, QStringLiteral("editor")).status, 200);
        const QString path = QStringLiteral("/quillet/v1/accounts/%1/members").arg(m_jointServerId);
        const QJsonObject listing = client().get(path, m_owner.token).json();
        QCOMPARE(ids(listing.value(QStringLiteral("members")).toArray()).size(), 1);
        const QJsonArray candidates = listing.value(QStringLiteral("candidates")).toArray();
        QCOMPARE(candidates.size(), 1);
        QCOMPARE(candidates.at(0).toObject().value(QStringLiteral("email")).toString(), cousin.email);
        QVERIFY(client().get(path, m_member.token).json().value(QStringLiteral("candidates")).toArray().isEmpty());
        pull(m_member);

        QuilletServer::FamilyGroups &family = m_server.server().backend().family;
        QVERIFY(removedByOwner ? family.removeMember(m_owner.id, m_member.id).ok() : family.leave(m_member.id).ok());
        const QJsonObject after = pull(m_member);
        QCOMPARE(ids(after.value(QStringLiteral("accounts")).toArray()), QStringList{m_joint});
        QVERIFY(after.value(QStringLiteral("accounts")).toArray().at(0).toObject().value(QStringLiteral("access_revoked")).toBool());
        QCOMPARE(client().get(path, m_member.token).status, 403);
        const QJsonObject now = client().get(path, m_owner.token).json();
        QVERIFY(now.value(QStringLiteral("members")).toArray().isEmpty());
        QCOMPARE(now.value(QStringLiteral("candidates")).toArray().size(), 1);
        QCOMPARE(shareWith(m_member, QStringLiteral("viewer")).status, 403);
    }
};

void TstServerSharing::putInOneGroup(const User &owner, const User &member)
{
    QuilletServer::FamilyGroups &family = m_server.server().backend().family;
    QuilletServer::FamilyGroup group;
    QString error;
    if (!family.groupOf(owner.id, &group, &error))
        QVERIFY(family.create(owner.id).ok());
    QuilletServer::FamilyInvitation invitation;
    QVERIFY(family.invite(owner.id, member.email, &invitation).ok());
    QVERIFY(family.accept(member.id, invitation.id).ok());
}

STORE_TEST_MAIN(TstServerSharing)
#include "tst_serversharing.moc"
