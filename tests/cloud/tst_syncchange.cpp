// The push change records as the service receives them: keys in their
// order, flags as 0 and 1, server_id only once known, deleted_at only on a
// deleted row, split lines only on a split transaction.
#include "cloud/syncchange.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

const QDateTime kCreated(QDate(2024, 3, 5), QTime(9, 30), Qt::UTC);
const QDateTime kUpdated(QDate(2024, 3, 6), QTime(18, 0, 5), Qt::UTC);
const QString kStamps = QStringLiteral("\"created_at\":\"2024-03-05T09:30:00Z\",\"updated_at\":\"2024-03-06T18:00:05Z\"");

template <typename Row>
Row stamped(Row row, const QString &id)
{
    row.id = id;
    row.createdAt = kCreated;
    row.updatedAt = kUpdated;
    return row;
}

} // namespace

class TestSyncChange : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wireForm_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("expected");

        Account account = stamped(Account{}, QStringLiteral("a1"));
        account.name = QStringLiteral("Say \"hi\"");
        account.type = AccountType::CreditCard;
        account.currency = Currency::JPY;
        account.isShared = true;
        account.startingBalance = -1250;
        account.sortOrder = 2;
        account.version = 3;
        QTest::newRow("account, never pushed")
            << SyncChange::of(account).toJson()
            << QStringLiteral("{\"entity_type\":\"account\",\"entity_id\":\"a1\",\"action\":\"upsert\",\"version\":3,"
                              "\"payload\":{\"client_id\":\"a1\",\"name\":\"Say \\\"hi\\\"\",\"account_type\":\"credit_card\","
                              "\"currency\":\"JPY\",\"is_shared\":1,\"institution\":\"\",\"account_number_last4\":\"\","
                              "\"starting_balance\":-1250,\"sort_order\":2,\"version\":3,%1}}")
                   .arg(kStamps);

        Category category = stamped(Category{}, QStringLiteral("c1"));
        category.name = QStringLiteral("Moving");
        category.type = CategoryType::Transfer;
        category.serverId = QStringLiteral("s-c1");
        category.deletedAt = kUpdated;
        QTest::newRow("category, deleted")
            << SyncChange::of(category).toJson()
            << QStringLiteral("{\"entity_type\":\"category\",\"entity_id\":\"c1\",\"action\":\"delete\",\"version\":1,"
                              "\"payload\":{\"client_id\":\"c1\",\"server_id\":\"s-c1\",\"name\":\"Moving\","
                              "\"category_type\":\"transfer\",\"parent_id\":\"\",\"is_tax_relevant\":0,\"tax_category\":\"\","
                              "\"icon\":\"\",\"color\":\"\",\"is_default\":0,\"account_id\":\"\",\"version\":1,%1,"
                              "\"deleted_at\":\"2024-03-06T18:00:05Z\"}}")
                   .arg(kStamps);

        RecurringTransaction schedule = stamped(RecurringTransaction{}, QStringLiteral("r1"));
        schedule.accountId = QStringLiteral("a1");
        schedule.amount = -9900;
        schedule.frequency = Frequency::SemiAnnual;
        schedule.startDate = QDate(2024, 1, 31);
        schedule.nextDueDate = QDate(2024, 7, 31);
        schedule.leadDays = 3;
        schedule.version = 4;
        const QString schedulePayload = QStringLiteral(
            "{\"entity_type\":\"recurring\",\"entity_id\":\"r1\",\"action\":\"upsert\",\"version\":4,"
            "\"payload\":{\"client_id\":\"r1\",\"account_id\":\"a1\",\"payee\":\"\",\"memo\":\"\",\"amount\":-9900,"
            "\"category_id\":\"\",\"transfer_dest_account_id\":\"\",\"frequency\":\"semi_annual\","
            "\"start_date\":\"2024-01-31\",%1\"next_due_date\":\"2024-07-31\",\"auto_post\":0,\"lead_days\":3,"
            "\"is_active\":1,%2}}");
        QTest::newRow("schedule without end") << SyncChange::of(schedule).toJson()
                                              << schedulePayload.arg(QString(), kStamps);
        schedule.endDate = QDate(2025, 1, 31);
        QTest::newRow("schedule with end") << SyncChange::of(schedule).toJson()
                                           << schedulePayload.arg(QStringLiteral("\"end_date\":\"2025-01-31\","), kStamps);

        Transaction split = stamped(Transaction{}, QStringLiteral("t1"));
        split.accountId = QStringLiteral("a1");
        split.date = QDate(2024, 3, 5);
        split.payee = QStringLiteral("Market");
        split.amount = -3000;
        split.cleared = true;
        split.isSplit = true;
        SplitLine food{QStringLiteral("l1"), split.id, QStringLiteral("food"), -2000, QStringLiteral("bread"), {}, {}};
        SplitLine home{QStringLiteral("l2"), split.id, QStringLiteral("home"), -1000, QString(), {}, {}};
        const QString transactionPayload = QStringLiteral(
            "{\"entity_type\":\"transaction\",\"entity_id\":\"t1\",\"action\":\"upsert\",\"version\":1,"
            "\"payload\":{\"client_id\":\"t1\",\"account_id\":\"a1\",\"date\":\"2024-03-05\",\"payee\":\"Market\","
            "\"memo\":\"\",\"amount\":-3000,\"category_id\":\"\",\"check_number\":\"\",\"cleared\":1,\"reconciled\":0,"
            "\"transfer_link_id\":\"\",\"transfer_dest_account_id\":\"\",\"is_split\":%1,\"recurring_id\":\"\","
            "\"version\":1,%2%3}}");
        QTest::newRow("split transaction")
            << SyncChange::of(split, {food, home}).toJson()
            << transactionPayload.arg(QStringLiteral("1"), kStamps,
                                      QStringLiteral(",\"split_lines\":[{\"category_id\":\"food\",\"amount\":-2000,"
                                                     "\"memo\":\"bread\"},{\"category_id\":\"home\",\"amount\":-1000,"
                                                     "\"memo\":\"\"}]"));
        split.isSplit = false;
        QTest::newRow("plain transaction, lines left behind")
            << SyncChange::of(split, {food}).toJson() << transactionPayload.arg(QStringLiteral("0"), kStamps, QString());

        Reconciliation reconciliation = stamped(Reconciliation{}, QStringLiteral("z1"));
        reconciliation.accountId = QStringLiteral("a1");
        reconciliation.statementDate = QDate(2024, 2, 29);
        reconciliation.statementBalance = 150000;
        reconciliation.reconciledBalance = 149999;
        reconciliation.completedAt = kUpdated;
        QTest::newRow("reconciliation")
            << SyncChange::of(reconciliation).toJson()
            << QStringLiteral("{\"entity_type\":\"reconciliation\",\"entity_id\":\"z1\",\"action\":\"upsert\","
                              "\"version\":1,\"payload\":{\"client_id\":\"z1\",\"account_id\":\"a1\","
                              "\"statement_date\":\"2024-02-29\",\"statement_balance\":150000,"
                              "\"reconciled_balance\":149999,\"completed_at\":\"2024-03-06T18:00:05Z\",\"version\":1,%1}}")
                   .arg(kStamps);
    }
    void wireForm()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromUtf8(json), expected);
        QJsonParseError error;
        QJsonDocument::fromJson(json, &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
    }

    void pushBodyHoldsTheChangesInOrder()
    {
        Account first = stamped(Account{}, QStringLiteral("a1"));
        Account second = stamped(Account{}, QStringLiteral("a2"));
        const QJsonObject body = QJsonDocument::fromJson(pushBody({SyncChange::of(first), SyncChange::of(second)})).object();
        const QJsonArray changes = body.value(QStringLiteral("changes")).toArray();
        QCOMPARE(changes.size(), 2);
        QCOMPARE(changes.at(1).toObject().value(QStringLiteral("entity_id")).toString(), QStringLiteral("a2"));
        QCOMPARE(QJsonDocument::fromJson(pushBody({})).object().value(QStringLiteral("changes")).toArray().size(), 0);
    }
};

QTEST_GUILESS_MAIN(TestSyncChange)
#include "tst_syncchange.moc"
