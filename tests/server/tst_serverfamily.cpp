// Family groups: the invitation flow and its refusals, on SQLite and
// PostgreSQL, through the server's own store.
#include "storetest.h"

#include "server/backend.h"

#include <QUuid>

using namespace QuilletServer;

namespace {

QString outcomeName(FamilyGroups::Outcome outcome)
{
    switch (outcome) {
    case FamilyGroups::Outcome::Ok:
        return QStringLiteral("ok");
    case FamilyGroups::Outcome::Invalid:
        return QStringLiteral("invalid");
    case FamilyGroups::Outcome::Forbidden:
        return QStringLiteral("forbidden");
    case FamilyGroups::Outcome::NotFound:
        return QStringLiteral("notfound");
    case FamilyGroups::Outcome::Conflict:
        return QStringLiteral("conflict");
    case FamilyGroups::Outcome::Failed:
        break;
    }
    return QStringLiteral("failed");
}

} // namespace

class TstServerFamily : public StoreTest
{
    Q_OBJECT

private:
    FamilyGroups &family() { return m_server.server().backend().family; }

    // The account of a one-letter actor ("a" is a@example.org), made the
    // first time it acts, so that an address can be invited before it signs up.
    QString user(const QString &actor)
    {
        if (!m_users.contains(actor)) {
            User created;
            QString error;
            const auto result = m_server.server().backend().users.create(actor + QStringLiteral("@example.org"),
                                                                          actor.toUpper() + QStringLiteral(" Person"),
                                                                          QStringLiteral("correct horse"), &created, &error);
            if (result != Users::Created::Ok)
                qFatal("cannot create %s: %s", qPrintable(actor), qPrintable(error));
            m_users.insert(actor, created.id);
        }
        return m_users.value(actor);
    }

    QString actorOf(const QString &userId) const { return m_users.key(userId); }

    // The first open invitation addressed to this actor, or an id nobody has.
    // The actor's first open invitation, or the one from the given inviter:
    // two invitations made within one clock tick have no order of their own.
    QString invitationFor(const QString &actor, const QString &inviter = QString())
    {
        QList<FamilyInvitation> open;
        QString error;
        family().invitationsFor(user(actor), &open, &error);
        for (const FamilyInvitation &invitation : std::as_const(open)) {
            if (inviter.isEmpty() || invitation.invitedBy == user(inviter))
                return invitation.id;
        }
        return QUuid::createUuid().toString(QUuid::WithoutBraces);
    }

    // "actor verb [argument]": create, invite EMAIL, accept/decline [WHOSE]
    // [from INVITER], cancel WHOSE, leave, remove ACTOR.
    FamilyGroups::Result perform(const QString &step)
    {
        QStringList words = step.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QString inviter;
        if (words.size() >= 4 && words.at(words.size() - 2) == QLatin1String("from")) {
            inviter = words.takeLast();
            words.removeLast();
        }
        const QString actor = words.value(0), verb = words.value(1), argument = words.value(2);
        const QString id = user(actor);
        if (verb == QLatin1String("create"))
            return family().create(id, argument);
        if (verb == QLatin1String("invite"))
            return family().invite(id, argument);
        if (verb == QLatin1String("accept"))
            return family().accept(id, invitationFor(argument.isEmpty() ? actor : argument, inviter));
        if (verb == QLatin1String("decline"))
            return family().decline(id, invitationFor(argument.isEmpty() ? actor : argument, inviter));
        if (verb == QLatin1String("cancel"))
            return family().cancelInvitation(id, invitationFor(argument));
        if (verb == QLatin1String("leave"))
            return family().leave(id);
        if (verb == QLatin1String("remove"))
            return family().removeMember(id, user(argument));
        qFatal("unknown step %s", qPrintable(step));
    }

    // The actors in this actor's group, owner first, or empty.
    QString groupOf(const QString &actor)
    {
        FamilyGroup group;
        QString error;
        if (!family().groupOf(user(actor), &group, &error))
            return {};
        QList<FamilyMember> members;
        family().members(group.id, &members, &error);
        QStringList actors;
        for (const FamilyMember &m : members)
            actors.append(actorOf(m.userId));
        return actors.join(QLatin1Char(' '));
    }

    QHash<QString, QString> m_users;

private Q_SLOTS:
    void initTestCase() { SKIP_WITHOUT_STORE(); }
    void init()
    {
        START_SERVER();
        m_users.clear();
    }

    void invitationFlow_data()
    {
        QTest::addColumn<QStringList>("steps");  // "step = outcome"
        QTest::addColumn<QString>("groupOfA");

        QTest::newRow("an invitee accepts") << QStringList{QStringLiteral("a create = ok"), QStringLiteral("a invite  B@Example.ORG = ok"),
                                                           QStringLiteral("b accept = ok"), QStringLiteral("b accept = notfound")}
                                            << QStringLiteral("a b");
        QTest::newRow("an invitee declines") << QStringList{QStringLiteral("a create = ok"), QStringLiteral("a invite b@example.org = ok"),
                                                            QStringLiteral("b decline = ok"), QStringLiteral("b accept = notfound")}
                                             << QStringLiteral("a");
        QTest::newRow("only the invited address answers")
            << QStringList{QStringLiteral("a create = ok"), QStringLiteral("a invite b@example.org = ok"),
                           QStringLiteral("c accept b = notfound"), QStringLiteral("c decline b = notfound"),
                           QStringLiteral("a accept b = notfound"), QStringLiteral("b accept = ok")}
            << QStringLiteral("a b");
        QTest::newRow("an address invited before it signs up")
            << QStringList{QStringLiteral("a create = ok"), QStringLiteral("a invite d@example.org = ok"), QStringLiteral("d accept = ok")}
            << QStringLiteral("a d");
        QTest::newRow("only the owner invites, withdraws and removes")
            << QStringList{QStringLiteral("a create = ok"), QStringLiteral("a invite b@example.org = ok"), QStringLiteral("b accept = ok"),
                           QStringLiteral("b invite c@example.org = forbidden"), QStringLiteral("a invite c@example.org = ok"),
                           QStringLiteral("b cancel c = forbidden"), QStringLiteral("b remove a = forbidden"),
                           QStringLiteral("c accept = ok")}
            << QStringLiteral("a b c");
        QTest::newRow("without a group") << QStringList{QStringLiteral("a invite b@example.org = notfound"), QStringLiteral("a leave = notfound"),
                                                        QStringLiteral("a remove b = notfound"), QStringLiteral("a cancel b = notfound")}
                                         << QString();
        QTest::newRow("bad and repeated invitations")
            << QStringList{QStringLiteral("a create = ok"), QStringLiteral("a invite not-an-address = invalid"),
                           QStringLiteral("a invite A@example.org = invalid"), QStringLiteral("a invite b@example.org = ok"),
                           QStringLiteral("a invite b@example.org = conflict"), QStringLiteral("b accept = ok"),
                           QStringLiteral("a invite b@example.org = conflict")}
            << QStringLiteral("a b");
        QTest::newRow("one group at a time")
            << QStringList{QStringLiteral("a create = ok"), QStringLiteral("c create = ok"), QStringLiteral("a invite b@example.org = ok"),
                           QStringLiteral("c invite b@example.org = ok"), QStringLiteral("b accept from a = ok"),
                           QStringLiteral("b accept from c = conflict"), QStringLiteral("b create = conflict"),
                           QStringLiteral("a create = conflict")}
            << QStringLiteral("a b");
        QTest::newRow("a withdrawn invitation is closed")
            << QStringList{QStringLiteral("a create = ok"), QStringLiteral("a invite b@example.org = ok"), QStringLiteral("a cancel b = ok"),
                           QStringLiteral("b accept = notfound"), QStringLiteral("a invite b@example.org = ok")}
            << QStringLiteral("a");
        QTest::newRow("the owner leaves last, which dissolves the group")
            << QStringList{QStringLiteral("a create = ok"), QStringLiteral("a invite b@example.org = ok"), QStringLiteral("a invite c@example.org = ok"),
                           QStringLiteral("b accept = ok"), QStringLiteral("a leave = conflict"), QStringLiteral("a remove b = ok"),
                           QStringLiteral("a leave = ok"), QStringLiteral("c accept = notfound"), QStringLiteral("b create = ok")}
            << QString();
        QTest::newRow("a member leaves and joins another group")
            << QStringList{QStringLiteral("a create = ok"), QStringLiteral("a invite b@example.org = ok"), QStringLiteral("b accept = ok"),
                           QStringLiteral("c create = ok"), QStringLiteral("c invite b@example.org = ok"), QStringLiteral("b leave = ok"),
                           QStringLiteral("b accept = ok")}
            << QStringLiteral("a");
        QTest::newRow("the owner removes only members of the group")
            << QStringList{QStringLiteral("a create = ok"), QStringLiteral("a remove a = invalid"), QStringLiteral("a remove c = notfound"),
                           QStringLiteral("c create = ok"), QStringLiteral("c invite b@example.org = ok"), QStringLiteral("b accept = ok"),
                           QStringLiteral("a remove b = notfound")}
            << QStringLiteral("a");
    }

    void invitationFlow()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, groupOfA);
        for (const QString &line : steps) {
            const QString step = line.section(QLatin1Char('='), 0, 0).trimmed();
            const QString expected = line.section(QLatin1Char('='), 1).trimmed();
            const FamilyGroups::Result result = perform(step);
            QVERIFY2(outcomeName(result.outcome) == expected,
                     qPrintable(QStringLiteral("%1: %2 (%3)").arg(step, outcomeName(result.outcome), result.message)));
            QCOMPARE(result.message.isEmpty(), result.ok());
        }
        QCOMPARE(groupOf(QStringLiteral("a")), groupOfA);
        // sameGroup agrees with the groups for every pair of accounts.
        const QStringList actors = m_users.keys();
        for (const QString &x : actors) {
            for (const QString &y : actors) {
                FamilyGroup gx, gy;
                QString error;
                const bool together = family().groupOf(user(x), &gx, &error) && family().groupOf(user(y), &gy, &error)
                    && gx.id == gy.id;
                QVERIFY2(family().sameGroup(user(x), user(y), &error) == together, qPrintable(x + QLatin1Char(' ') + y));
                QVERIFY(error.isEmpty());
            }
        }
    }

    void membersAndInviteesSeeNamesAndRoles()
    {
        FamilyGroup group;
        QVERIFY(family().create(user(QStringLiteral("a")), QStringLiteral("  The   A  household "), &group).ok());
        QCOMPARE(group.name, QStringLiteral("The A household"));
        QVERIFY(family().invite(user(QStringLiteral("a")), QStringLiteral("b@example.org")).ok());
        QVERIFY(family().invite(user(QStringLiteral("a")), QStringLiteral("c@example.org")).ok());

        QList<FamilyInvitation> received;
        QString error;
        QVERIFY(family().invitationsFor(user(QStringLiteral("b")), &received, &error));
        QCOMPARE(received.size(), 1);
        QCOMPARE(received.first().groupName, QStringLiteral("The A household"));
        QCOMPARE(received.first().invitedByName, QStringLiteral("A Person"));
        QList<FamilyInvitation> sent;
        QVERIFY(family().invitationsSent(group.id, &sent, &error));
        QCOMPARE(sent.size(), 2);

        QVERIFY(family().accept(user(QStringLiteral("b")), received.first().id).ok());
        QList<FamilyMember> members;
        QVERIFY(family().members(group.id, &members, &error));
        QCOMPARE(members.size(), 2);
        QCOMPARE(members.at(0).email, QStringLiteral("a@example.org"));
        QVERIFY(members.at(0).owner);
        QCOMPARE(members.at(1).displayName, QStringLiteral("B Person"));
        QVERIFY(!members.at(1).owner);
        QVERIFY(family().invitationsSent(group.id, &sent, &error));
        QCOMPARE(sent.size(), 1);

        // An empty name is made from the owner's.
        FamilyGroup unnamed;
        QVERIFY(family().create(user(QStringLiteral("d")), QString(), &unnamed).ok());
        QCOMPARE(unnamed.name, QStringLiteral("D Person's family"));
        QCOMPARE(family().create(user(QStringLiteral("e")), QString(101, QLatin1Char('x'))).outcome,
                 FamilyGroups::Outcome::Invalid);
    }

    // Whatever hangs on membership hears of every way out, and can stop it.
    void leavingMembersAreAnnounced()
    {
        QStringList heard;
        bool allow = true;
        family().setMemberLeaving([&](const QString &, const QString &userId, QString *error) {
            heard.append(actorOf(userId));
            if (!allow)
                *error = QStringLiteral("refused by the test");
            return allow;
        });
        QVERIFY(family().create(user(QStringLiteral("a"))).ok());
        for (const QString &actor : {QStringLiteral("b"), QStringLiteral("c")}) {
            QVERIFY(family().invite(user(QStringLiteral("a")), actor + QStringLiteral("@example.org")).ok());
            QVERIFY(family().accept(user(actor), invitationFor(actor)).ok());
        }
        allow = false;
        QCOMPARE(family().removeMember(user(QStringLiteral("a")), user(QStringLiteral("b"))).outcome,
                 FamilyGroups::Outcome::Failed);
        QCOMPARE(family().leave(user(QStringLiteral("c"))).outcome, FamilyGroups::Outcome::Failed);
        QCOMPARE(groupOf(QStringLiteral("a")), QStringLiteral("a b c"));
        allow = true;
        QVERIFY(family().removeMember(user(QStringLiteral("a")), user(QStringLiteral("b"))).ok());
        QVERIFY(family().leave(user(QStringLiteral("c"))).ok());
        QVERIFY(family().leave(user(QStringLiteral("a"))).ok());
        QCOMPARE(heard, (QStringList{QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("b"), QStringLiteral("c"),
                                     QStringLiteral("a")}));
        QCOMPARE(m_server.rowCount(QStringLiteral("family_groups")), 0);
    }
};

STORE_TEST_MAIN(TstServerFamily)
#include "tst_serverfamily.moc"
