// Pulled records read back into local rows: what a push sends comes back as
// the same row, and the lenient reading rules hold for odd input.
#include "cloud/syncchange.h"
#include "cloud/syncrecord.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

const QDateTime kCreated(QDate(2024, 3, 5), QTime(9, 30), Qt::UTC);
const QDateTime kUpdated(QDate(2024, 3, 6), QTime(18, 0, 5), Qt::UTC);

// The record the service would hand out for a pushed row: its payload, with
// the service's id.
QJsonObject pulled(const SyncChange &change)
{
    QJsonObject record = QJsonDocument::fromJson(change.toJson()).object().value(QStringLiteral("payload")).toObject();
    record.insert(QStringLiteral("id"), QStringLiteral("srv-1"));
    return record;
}

template <typename Row>
Row stamped(Row row)
{
    row.id = QStringLiteral("local-1");
    row.version = 7;
    row.createdAt = kCreated;
    row.updatedAt = kUpdated;
    row.syncStatus = SyncStatus::Synced;
    row.serverId = QStringLiteral("srv-1");
    return row;
}

} // namespace

class TestSyncRecord : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundTrip()
    {
        Account a = stamped(Account{});
        a.name = QStringLiteral("Visa");
        a.type = AccountType::CreditCard;
        a.currency = Currency::EUR;
        a.isShared = true;
        a.institution = QStringLiteral("Harbor");
        a.accountNumberLast4 = QStringLiteral("7710");
        a.startingBalance = -57957;
        a.sortOrder = 3;
        a.deletedAt = kUpdated;
        const Account a2 = SyncRecord::account(pulled(SyncChange::of(a)));
        QCOMPARE(a2.id, a.id);
        QCOMPARE(a2.serverId, a.serverId);
        QCOMPARE(a2.syncStatus, SyncStatus::Synced);
        QCOMPARE(a2.name, a.name);
        QCOMPARE(a2.type, a.type);
        QCOMPARE(a2.currency, a.currency);
        QCOMPARE(a2.isShared, true);
        QCOMPARE(a2.institution, a.institution);
        QCOMPARE(a2.accountNumberLast4, a.accountNumberLast4);
        QCOMPARE(a2.startingBalance, a.startingBalance);
        QCOMPARE(a2.sortOrder, 3);
        QCOMPARE(a2.version, 7);
        QCOMPARE(a2.createdAt, kCreated);
        QCOMPARE(a2.deletedAt, kUpdated);

        Category c = stamped(Category{});
        c.name = QStringLiteral("Pay");
        c.type = CategoryType::Income;
        c.parentId = QStringLiteral("p");
        c.isTaxRelevant = true;
        c.isDefault = true;
        c.accountId = QStringLiteral("acc");
        const Category c2 = SyncRecord::category(pulled(SyncChange::of(c)));
        QCOMPARE(c2.type, CategoryType::Income);
        QCOMPARE(c2.parentId, c.parentId);
        QVERIFY(c2.isTaxRelevant && c2.isDefault);
        QCOMPARE(c2.accountId, c.accountId);
        QVERIFY(!c2.deletedAt.isValid());

        RecurringTransaction r = stamped(RecurringTransaction{});
        r.accountId = QStringLiteral("acc");
        r.amount = -120000;
        r.frequency = Frequency::Biweekly;
        r.startDate = QDate(2024, 1, 5);
        r.endDate = QDate(2025, 1, 5);
        r.nextDueDate = QDate(2024, 3, 15);
        r.autoPost = true;
        r.leadDays = 4;
        r.isActive = false;
        r.transferDestAccountId = QStringLiteral("dest");
        bool hasLeadDays = false;
        const RecurringTransaction r2 = SyncRecord::recurring(pulled(SyncChange::of(r)), &hasLeadDays);
        QVERIFY(hasLeadDays);
        QCOMPARE(r2.frequency, Frequency::Biweekly);
        QCOMPARE(r2.endDate, r.endDate);
        QCOMPARE(r2.nextDueDate, r.nextDueDate);
        QCOMPARE(r2.leadDays, 4);
        QVERIFY(r2.autoPost && !r2.isActive);
        QCOMPARE(r2.transferDestAccountId, r.transferDestAccountId);
        // A schedule's version is not in its payload.
        QCOMPARE(r2.version, 0);

        Transaction t = stamped(Transaction{});
        t.accountId = QStringLiteral("acc");
        t.date = QDate(2024, 3, 5);
        t.amount = -3000;
        t.checkNumber = QStringLiteral("1231");
        t.reconciled = true;
        t.transferLinkId = QStringLiteral("link");
        t.isSplit = true;
        const SplitLine food{QStringLiteral("l1"), t.id, QStringLiteral("food"), -2000, QStringLiteral("bread"), {}, {}};
        const SplitLine home{QStringLiteral("l2"), t.id, QStringLiteral("home"), -1000, QString(), {}, {}};
        QList<SplitLine> lines;
        const Transaction t2 = SyncRecord::transaction(pulled(SyncChange::of(t, {food, home})), &lines);
        QCOMPARE(t2.date, t.date);
        QCOMPARE(t2.checkNumber, t.checkNumber);
        QVERIFY(t2.reconciled && !t2.cleared && t2.isSplit);
        QCOMPARE(t2.transferLinkId, t.transferLinkId);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines.at(0).categoryId, QStringLiteral("food"));
        QCOMPARE(lines.at(0).amount, qint64(-2000));
        QCOMPARE(lines.at(0).memo, QStringLiteral("bread"));
        QCOMPARE(lines.at(1).transactionId, t.id);
        QVERIFY(lines.at(0).id != lines.at(1).id && lines.at(0).id.size() == 36);

        Reconciliation z = stamped(Reconciliation{});
        z.accountId = QStringLiteral("acc");
        z.statementDate = QDate(2024, 2, 29);
        z.statementBalance = 150000;
        z.reconciledBalance = 149999;
        z.completedAt = kUpdated;
        const Reconciliation z2 = SyncRecord::reconciliation(pulled(SyncChange::of(z)));
        QCOMPARE(z2.statementDate, z.statementDate);
        QCOMPARE(z2.statementBalance, z.statementBalance);
        QCOMPARE(z2.reconciledBalance, z.reconciledBalance);
        QCOMPARE(z2.completedAt, kUpdated);
    }

    void leniency_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<bool>("cleared");
        QTest::addColumn<qint64>("amount");
        QTest::addColumn<int>("payeeLength");
        QTest::newRow("date-time") << QByteArray(R"({"date":"2024-03-05T23:10:00Z","cleared":true,"amount":5})")
                                   << QDate(2024, 3, 5) << true << qint64(5) << 0;
        QTest::newRow("unparsable date, number flag")
            << QByteArray(R"({"date":"05/03/2024","cleared":2})") << QDate() << true << qint64(0) << 0;
        QTest::newRow("empty date, zero flag") << QByteArray(R"({"date":"","cleared":0})") << QDate() << false
                                               << qint64(0) << 0;
        QTest::newRow("text flag, amount out of range")
            << QByteArray(R"({"date":"1999-12-31","cleared":"1","amount":1e300})") << QDate(1999, 12, 31) << false
            << qint64(0) << 0;
        QTest::newRow("very long payee") << QByteArray(R"({"payee":")" + QByteArray(5000, 'x') + R"("})") << QDate()
                                         << false << qint64(0) << kMaxTextLength;
    }
    void leniency()
    {
        QFETCH(QByteArray, record);
        QFETCH(QDate, date);
        QFETCH(bool, cleared);
        QFETCH(qint64, amount);
        QFETCH(int, payeeLength);
        const Transaction t = SyncRecord::transaction(QJsonDocument::fromJson(record).object(), nullptr);
        QCOMPARE(t.date, date);
        QCOMPARE(t.cleared, cleared);
        QCOMPARE(t.amount, amount);
        QCOMPARE(t.payee.size(), payeeLength);
        QCOMPARE(t.version, 0);
        QVERIFY(!t.deletedAt.isValid());
        QVERIFY(t.id.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSyncRecord)
#include "tst_syncrecord.moc"
