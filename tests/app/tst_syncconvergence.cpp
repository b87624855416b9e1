// Two copies of the app, each on its own store and signed in as the same
// user through one real server, make random edits of every kind with syncs
// in between; after both have synced twice their stores must hold the same
// records. Each seed gives its own sequence; a failing seed names itself.
#include "app/appstate.h"
#include "cloud/syncengine.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/clock.h"
#include "data/database.h"
#include "data/transactionrepository.h"
#include "services/accountservice.h"
#include "services/categoryservice.h"
#include "services/reconciliationservice.h"
#include "services/recurringservice.h"
#include "services/transactionservice.h"
#include "support/gui/testapp.h"
#include "support/gui/testsync.h"
#include "testserver.h"

#include <QMap>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

#include <memory>

namespace {

QStringList column(AppState *s, const QString &sql)
{
    QStringList out;
    QSqlQuery q(s->database()->connection());
    q.exec(sql);
    while (q.next())
        out.append(q.value(0).toString());
    return out;
}

// Every row of a table as text by id; the sync mark is left out, since a row
// this device changed itself after its last push is still pending.
QMap<QString, QString> rows(AppState *s, const QString &table)
{
    QMap<QString, QString> out;
    QSqlQuery q(s->database()->connection());
    q.exec(QStringLiteral("SELECT * FROM %1 ORDER BY id").arg(table));
    while (q.next()) {
        QStringList fields;
        const QSqlRecord record = q.record();
        for (int i = 0; i < record.count(); ++i) {
            if (record.fieldName(i) != QLatin1String("sync_status"))
                fields.append(record.fieldName(i) + QLatin1Char('=') + q.value(i).toString());
        }
        out.insert(q.value(0).toString(), fields.join(QLatin1Char('|')));
    }
    return out;
}

// The same rows on both sides, except that a row created and deleted before
// it ever reached the other device need not be there at all.
QString firstDifference(const QMap<QString, QString> &a, const QMap<QString, QString> &b)
{
    QStringList ids = a.keys() + b.keys();
    ids.removeDuplicates();
    for (const QString &id : std::as_const(ids)) {
        const QString left = a.value(id);
        const QString right = b.value(id);
        if (left == right)
            continue;
        auto live = [](const QString &row) {
            return row.contains(QLatin1String("|deleted_at=|")) || row.endsWith(QLatin1String("|deleted_at="));
        };
        if ((left.isEmpty() && !live(right)) || (right.isEmpty() && !live(left)))
            continue;
        return QStringLiteral("A: %1\nB: %2").arg(left, right);
    }
    return {};
}

// One random edit through the services, as the screens make them.
class Editor
{
public:
    Editor(AppState *state, QRandomGenerator &generator)
        : s(state)
        , rng(generator)
    {
    }

    void edit()
    {
        switch (rng.bounded(16)) {
        case 0: createAccount(); break;
        case 1: renameAccount(); break;
        case 2: deleteAccount(); break;
        case 3: restoreAccount(); break;
        case 4: case 5: addTransaction(false); break;
        case 6: addTransaction(true); break;
        case 7: addTransfer(); break;
        case 8: case 9: editTransaction(); break;
        case 10: deleteTransaction(); break;
        case 11: category(); break;
        case 12: addSchedule(); break;
        case 13: s->recurringService()->processDue(); break;
        case 14: reconcile(); break;
        default: s->transactionService()->setCleared(pick(liveTransactions()), rng.bounded(2)); break;
        }
    }

    void createAccount()
    {
        Account draft;
        draft.name = QStringLiteral("Account %1").arg(rng.bounded(1000));
        draft.startingBalance = rng.bounded(100000);
        s->accountService()->createAccount(draft, QDate(2024, 1, 1));
    }

private:
    QString pick(const QStringList &ids) { return ids.isEmpty() ? QString() : ids.at(rng.bounded(int(ids.size()))); }
    QStringList liveAccounts()
    {
        return column(s, QStringLiteral("SELECT id FROM accounts WHERE deleted_at IS NULL ORDER BY rowid"));
    }
    QStringList liveTransactions()
    {
        return column(s, QStringLiteral("SELECT t.id FROM transactions t JOIN accounts a ON a.id = t.account_id "
                                        "WHERE t.deleted_at IS NULL AND a.deleted_at IS NULL ORDER BY t.rowid"));
    }
    QStringList liveCategories()
    {
        return column(s, QStringLiteral("SELECT id FROM categories WHERE deleted_at IS NULL ORDER BY rowid"));
    }
    qint64 amount() { return -qint64(rng.bounded(1, 50000)); }
    QDate date() { return QDate(2024, 1, 1).addDays(rng.bounded(300)); }

    void renameAccount()
    {
        if (auto a = s->accounts()->findById(pick(liveAccounts()))) {
            a->name = QStringLiteral("Renamed %1").arg(rng.bounded(1000));
            s->accountService()->updateAccount(*a);
        }
    }
    void deleteAccount()
    {
        const QStringList live = liveAccounts();
        if (live.size() > 1)
            s->accountService()->deleteAccount(pick(live));
    }
    void restoreAccount()
    {
        s->accountService()->restoreAccount(
            pick(column(s, QStringLiteral("SELECT id FROM accounts WHERE deleted_at IS NOT NULL ORDER BY rowid"))));
    }
    QList<SplitLine> lines(qint64 total)
    {
        const QStringList categories = liveCategories();
        const qint64 first = total / 3;
        QList<SplitLine> out;
        for (qint64 part : {first, total - first}) {
            SplitLine line;
            line.categoryId = pick(categories);
            line.amount = part;
            line.memo = QStringLiteral("part");
            out.append(line);
        }
        return out;
    }
    void addTransaction(bool split)
    {
        const QString account = pick(liveAccounts());
        if (account.isEmpty())
            return;
        Transaction t;
        t.accountId = account;
        t.date = date();
        t.payee = QStringLiteral("Payee %1").arg(rng.bounded(50));
        t.amount = amount();
        if (split) {
            t.isSplit = true;
            s->transactionService()->add(t, lines(t.amount));
        } else {
            t.categoryId = pick(liveCategories());
            s->transactionService()->add(t);
        }
    }
    void addTransfer()
    {
        const QStringList live = liveAccounts();
        if (live.size() < 2)
            return;
        const QString from = pick(live);
        QString to = pick(live);
        if (to == from)
            to = live.at((live.indexOf(from) + 1) % live.size());
        Transaction t;
        t.accountId = from;
        t.date = date();
        t.amount = amount();
        s->transactionService()->addTransfer(t, *s->accounts()->findById(from), *s->accounts()->findById(to));
    }
    void editTransaction()
    {
        std::optional<Transaction> t = s->transactions()->getById(pick(liveTransactions()));
        if (!t)
            return;
        t->payee = QStringLiteral("Edited %1").arg(rng.bounded(50));
        t->amount = amount();
        if (t->isSplit)
            s->transactionService()->update(*t, lines(t->amount));
        else
            s->transactionService()->update(*t);
    }
    void deleteTransaction() { s->transactionService()->deleteWithPartner(pick(liveTransactions())); }
    void category()
    {
        switch (rng.bounded(3)) {
        case 0: {
            Category c;
            c.name = QStringLiteral("Category %1").arg(rng.bounded(1000));
            s->categoryService()->addCategory(c);
            break;
        }
        case 1:
            if (auto c = s->categories()->findById(pick(liveCategories()))) {
                c->name = QStringLiteral("Renamed %1").arg(rng.bounded(1000));
                s->categoryService()->updateCategory(*c);
            }
            break;
        default:
            s->categoryService()->deleteCategory(pick(liveCategories()));
        }
    }
    void addSchedule()
    {
        const QString account = pick(liveAccounts());
        if (account.isEmpty())
            return;
        RecurringTransaction r;
        r.accountId = account;
        r.payee = QStringLiteral("Schedule %1").arg(rng.bounded(100));
        r.amount = amount();
        r.frequency = Frequency::Weekly;
        r.startDate = QDate::currentDate().addDays(-rng.bounded(20));
        r.nextDueDate = r.startDate;
        r.autoPost = true;
        s->recurringService()->addSchedule(r);
    }
    void reconcile()
    {
        const QString account = pick(liveAccounts());
        if (account.isEmpty())
            return;
        const QStringList open = column(s, QStringLiteral("SELECT id FROM transactions WHERE account_id = '%1' AND "
                                                          "deleted_at IS NULL AND reconciled = 0 ORDER BY rowid")
                                               .arg(account));
        s->reconciliationService()->finish(account, date(), rng.bounded(100000), open);
    }

    AppState *s;
    QRandomGenerator &rng;
};

} // namespace

class TestSyncConvergence : public QObject
{
    Q_OBJECT

    TestServer m_server;

    // What no store may hold, whatever the edits were. (A partner missing
    // altogether is a row deleted on the other device before it ever came
    // here; the row comparison checks that.)
    static QString brokenInvariant(AppState *s)
    {
        const QStringList badSplits = column(
            s, QStringLiteral("SELECT t.id FROM transactions t WHERE t.is_split = 1 AND t.amount != "
                              "(SELECT COALESCE(SUM(l.amount), 0) FROM split_lines l WHERE l.transaction_id = t.id)"));
        if (!badSplits.isEmpty())
            return QStringLiteral("split lines do not add up: ") + badSplits.join(QLatin1Char(','));
        const QStringList oneSided = column(
            s, QStringLiteral("SELECT t.id FROM transactions t JOIN transactions p ON p.id = t.transfer_link_id "
                              "JOIN accounts ta ON ta.id = t.account_id JOIN accounts pa ON pa.id = p.account_id "
                              "WHERE p.transfer_link_id != t.id OR (ta.deleted_at IS NULL AND pa.deleted_at IS NULL "
                              "AND (t.deleted_at IS NULL) != (p.deleted_at IS NULL))"));
        if (!oneSided.isEmpty())
            return QStringLiteral("one-sided transfers: ") + oneSided.join(QLatin1Char(','));
        return {};
    }

private Q_SLOTS:
    void initTestCase()
    {
        QString why;
        QVERIFY2(m_server.start(StoreKind::Sqlite, nullptr, &why), qPrintable(why));
        m_server.exportEnvironment();
    }

    void cleanup() { Clock::setFixedNow({}); }

    void twoDevicesConverge_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed = 1; seed <= 20; ++seed)
            QTest::addRow("seed %u", seed) << seed;
    }
    void twoDevicesConverge()
    {
        QFETCH(quint32, seed);
        // Each seed has a user of its own.
        QString why;
        QVERIFY2(m_server.start(StoreKind::Sqlite, nullptr, &why), qPrintable(why));
        m_server.exportEnvironment();
        TestApp a;
        TestApp b;
        QVERIFY(a.isReady() && b.isReady());
        bool allowA = false;
        bool allowB = false;
        a.state()->syncEngine()->setMaySync([&allowA] { return allowA; });
        b.state()->syncEngine()->setMaySync([&allowB] { return allowB; });
        QVERIFY(TestSync::signIn(a.state(), m_server.client(), QStringLiteral("ann@example.org"))
                && TestSync::signIn(b.state(), m_server.client(), QStringLiteral("ann@example.org")));

        QRandomGenerator rng(seed);
        // Edits a few seconds apart, as a person makes them.
        QDateTime now = QDateTime::currentDateTimeUtc();
        auto tick = [&now] {
            now = now.addSecs(7);
            Clock::setFixedNow(now);
        };
        Editor editA(a.state(), rng);
        Editor editB(b.state(), rng);
        editA.createAccount();
        editA.createAccount();
        QVERIFY(TestSync::sync(a.state(), &allowA));
        QVERIFY(TestSync::sync(b.state(), &allowB));
        for (int round = 0; round < 4; ++round) {
            for (int i = 0; i < 6; ++i) {
                tick();
                editA.edit();
                tick();
                editB.edit();
            }
            // Sometimes one device misses a round.
            if (rng.bounded(4) != 0)
                QVERIFY(TestSync::sync(a.state(), &allowA));
            if (rng.bounded(4) != 0)
                QVERIFY(TestSync::sync(b.state(), &allowB));
        }
        for (int i = 0; i < 2; ++i) {
            QVERIFY(TestSync::sync(a.state(), &allowA));
            QVERIFY(TestSync::sync(b.state(), &allowB));
        }

        for (const char *table : {"accounts", "categories", "transactions", "recurring_transactions", "reconciliations"}) {
            const QString difference = firstDifference(rows(a.state(), QLatin1String(table)), rows(b.state(), QLatin1String(table)));
            QVERIFY2(difference.isEmpty(), qPrintable(QLatin1String(table) + QLatin1Char('\n') + difference));
        }
        // Lines get new ids on every device; their transaction, category, amount and memo must agree.
        const QString lines = QStringLiteral("SELECT l.transaction_id || '|' || l.category_id || '|' || l.amount || '|' || "
                                             "COALESCE(l.memo, '') FROM split_lines l ORDER BY 1");
        const QMap<QString, QString> transactionsA = rows(a.state(), QStringLiteral("transactions"));
        const QMap<QString, QString> transactionsB = rows(b.state(), QStringLiteral("transactions"));
        auto shared = [&](QStringList all) {
            all.removeIf([&](const QString &line) {
                const QString id = line.section(QLatin1Char('|'), 0, 0);
                return !transactionsA.contains(id) || !transactionsB.contains(id);
            });
            return all;
        };
        QCOMPARE(shared(column(a.state(), lines)), shared(column(b.state(), lines)));
        QVERIFY2(brokenInvariant(a.state()).isEmpty(), qPrintable(brokenInvariant(a.state())));
        QVERIFY2(brokenInvariant(b.state()).isEmpty(), qPrintable(brokenInvariant(b.state())));
    }
};

QTEST_MAIN(TestSyncConvergence)
#include "tst_syncconvergence.moc"
