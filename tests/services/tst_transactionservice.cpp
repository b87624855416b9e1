#include "data/clock.h"
#include "data/splitlinerepository.h"
#include "services/transactionservice.h"
#include "support/core/fixtures.h"
#include "support/core/teststore.h"

#include <QTest>

#include <functional>

namespace {

const QDateTime kNow(QDate(2025, 3, 10), QTime(9, 0), Qt::UTC);

} // namespace

class TestTransactionService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { Clock::setFixedNow(kNow); }
    void cleanup() { Clock::setFixedNow(QDateTime()); }

    // Whichever side of a transfer is edited, the other follows in amount,
    // date and number, and keeps its own payee, memo and marks.
    void editingOneSideOfATransferMovesTheOther_data()
    {
        QTest::addColumn<bool>("editTheDestination");
        QTest::addColumn<std::function<void(Transaction &)>>("edit");
        QTest::addColumn<qint64>("firstAmount");  // the side entered in Checking
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("number");
        QTest::addColumn<bool>("partnerChanged");

        const auto amount = [](qint64 a) { return std::function<void(Transaction &)>([a](Transaction &t) { t.amount = a; }); };
        QTest::newRow("amount, entered side") << false << amount(-4500) << qint64(-4500) << QDate(2025, 3, 1)
                                              << QString() << true;
        QTest::newRow("amount, other side") << true << amount(4000) << qint64(-4000) << QDate(2025, 3, 1)
                                            << QString() << true;
        QTest::newRow("date and number") << true
                                         << std::function<void(Transaction &)>([](Transaction &t) {
                                                t.date = QDate(2025, 3, 4);
                                                t.checkNumber = QStringLiteral("1042");
                                            })
                                         << qint64(-5000) << QDate(2025, 3, 4) << QStringLiteral("1042") << true;
        QTest::newRow("own payee, memo and mark") << false
                                                  << std::function<void(Transaction &)>([](Transaction &t) {
                                                         t.payee = QStringLiteral("Rainy day fund");
                                                         t.memo = QStringLiteral("March");
                                                         t.cleared = true;
                                                     })
                                                  << qint64(-5000) << QDate(2025, 3, 1) << QString() << false;
    }

    void editingOneSideOfATransferMovesTheOther()
    {
        QFETCH(bool, editTheDestination);
        QFETCH(std::function<void(Transaction &)>, edit);
        QFETCH(qint64, firstAmount);
        QFETCH(QDate, date);
        QFETCH(QString, number);
        QFETCH(bool, partnerChanged);

        TestStore store;
        TransactionService *service = store.services->transactions();
        const Account checking = store.addAccount(QStringLiteral("Checking"));
        const Account savings = store.addAccount(QStringLiteral("Savings"));
        Transaction draft = Fixtures::newTransaction(checking.id, QDate(2025, 3, 1), QStringLiteral("Transfer to Savings"), -5000);
        QString firstId;
        QVERIFY(service->addTransfer(draft, checking, savings, &firstId));
        const Transaction first = store.transactions->getById(firstId).value();
        const Transaction second = store.transactions->getById(first.transferLinkId).value();

        Transaction edited = editTheDestination ? second : first;
        const Transaction untouched = editTheDestination ? first : second;
        edit(edited);
        QVERIFY(service->update(edited));

        const Transaction a = store.transactions->getById(first.id).value();
        const Transaction b = store.transactions->getById(second.id).value();
        QCOMPARE(a.amount, firstAmount);
        QCOMPARE(b.amount, -firstAmount);
        QCOMPARE(a.date, date);
        QCOMPARE(b.date, date);
        QCOMPARE(a.checkNumber, number);
        QCOMPARE(b.checkNumber, number);
        const Transaction partner = editTheDestination ? a : b;
        QCOMPARE(partner.payee, untouched.payee);
        QCOMPARE(partner.memo, untouched.memo);
        QCOMPARE(partner.cleared, untouched.cleared);
        QCOMPARE(partner.version, partnerChanged ? 2 : 1);
        QCOMPARE(partner.syncStatus, SyncStatus::Pending);
        QCOMPARE((editTheDestination ? b : a).version, 2);
    }

    // Lines that stay keep their id, so that a restore or another device sees
    // the same line again instead of a second one beside it.
    void editingSplitsKeepsTheLinesThatStay()
    {
        TestStore store(true);
        TransactionService *service = store.services->transactions();
        const Account checking = store.addAccount(QStringLiteral("Checking"));
        const Category food = store.addCategory(QStringLiteral("Food"));
        const Category home = store.addCategory(QStringLiteral("Home"));
        const Category fun = store.addCategory(QStringLiteral("Fun"));
        SplitLine groceries{QString(), QString(), food.id, -2000, QStringLiteral("groceries"), {}, {}};
        SplitLine soap{QString(), QString(), home.id, -500, QString(), {}, {}};
        QString id;
        QVERIFY(service->add(Fixtures::newTransaction(checking.id, QDate(2025, 3, 1), QStringLiteral("Market"), -2500),
                             {groceries, soap}, &id));
        const QList<SplitLine> before = store.splitLines->linesOf(id);
        QCOMPARE(before.size(), 2);
        QVERIFY(!before.at(0).id.isEmpty() && !before.at(1).id.isEmpty());

        Clock::setFixedNow(kNow.addDays(1));
        const SplitLine kept = before.at(0).categoryId == food.id ? before.at(0) : before.at(1);
        SplitLine changed = kept;
        changed.amount = -1800;
        SplitLine added{QString(), QString(), fun.id, -700, QString(), {}, {}};
        Transaction t = store.transactions->getById(id).value();
        QVERIFY(service->update(t, QList<SplitLine>{changed, added}));

        const QList<SplitLine> after = store.splitLines->linesOf(id);
        QCOMPARE(after.size(), 2);
        const auto same = std::find_if(after.cbegin(), after.cend(), [&](const SplitLine &l) { return l.id == kept.id; });
        QVERIFY(same != after.cend());
        QCOMPARE(same->amount, qint64(-1800));
        QCOMPARE(same->createdAt, kNow);
        const auto other = std::find_if(after.cbegin(), after.cend(), [&](const SplitLine &l) { return l.id != kept.id; });
        QCOMPARE(other->categoryId, fun.id);
        QVERIFY(other->id != before.at(0).id && other->id != before.at(1).id);
        QCOMPARE(store.scalar(QStringLiteral("SELECT COUNT(*) FROM split_lines")).toInt(), 2);
    }

    void aSplitOfTooManyLinesIsRefused()
    {
        TestStore store(true);
        const Account checking = store.addAccount(QStringLiteral("Checking"));
        const Category food = store.addCategory(QStringLiteral("Food"));
        QList<SplitLine> lines(TransactionService::kMaxSplitLines + 1,
                               SplitLine{QString(), QString(), food.id, -1, QString(), {}, {}});
        QVERIFY(!store.services->transactions()->add(
            Fixtures::newTransaction(checking.id, QDate(2025, 3, 1), QStringLiteral("Market"), -1001), lines));
        QCOMPARE(store.scalar(QStringLiteral("SELECT COUNT(*) FROM transactions")).toInt(), 0);
    }
};

QTEST_GUILESS_MAIN(TestTransactionService)
#include "tst_transactionservice.moc"
