#include "data/clock.h"
#include "data/ids.h"
#include "services/reportcatalog.h"
#include "services/reportcsv.h"
#include "services/reportservice.h"
#include "support/core/teststore.h"

#include <QBuffer>
#include <QTest>

namespace {

const DateRange kPeriod{QDate(2024, 1, 15), QDate(2024, 3, 10)};

// A small store whose figures are worked out by hand below. The period
// 2024-01-15 .. 2024-03-10 cuts through January and March.
struct Books {
    QString checking, savings, yen;
};

// Makes the transaction a split one of the given lines.
void splitInto(TestStore &s, const QString &transactionId, const QList<QPair<QString, qint64>> &lines)
{
    s.exec(QStringLiteral("UPDATE transactions SET is_split = 1 WHERE id = '%1'").arg(transactionId));
    for (const auto &[category, amount] : lines) {
        SplitLine line;
        line.id = Ids::newId();
        line.transactionId = transactionId;
        line.categoryId = category;
        line.amount = amount;
        line.createdAt = line.updatedAt = Clock::nowUtc();
        s.splitLines->insert(line);
    }
}

Books fill(TestStore &s)
{
    const QString food = s.addCategory(QStringLiteral("Food")).id;
    const QString groceries = s.addCategory(QStringLiteral("Groceries"), food).id;
    const QString dining = s.addCategory(QStringLiteral("Dining"), food).id;
    const QString housing = s.addCategory(QStringLiteral("Housing")).id;
    const QString salary = s.addCategory(QStringLiteral("Salary"), QString(), CategoryType::Income).id;
    const QString medical = s.addCategory(QStringLiteral("Medical")).id;
    const QString charity = s.addCategory(QStringLiteral("Charity")).id;
    s.exec(QStringLiteral("UPDATE categories SET is_tax_relevant = 1, tax_category = 'medical_dental' WHERE id = '%1'").arg(medical));
    s.exec(QStringLiteral("UPDATE categories SET is_tax_relevant = 1, tax_category = 'charitable_contributions' WHERE id = '%1'").arg(charity));

    Books b;
    b.checking = s.addAccount(QStringLiteral("Checking"), Currency::USD, 100000).id;
    b.savings = s.addAccount(QStringLiteral("Savings"), Currency::USD).id;
    b.yen = s.addAccount(QStringLiteral("Yen Wallet"), Currency::JPY).id;

    const auto add = [&](const QString &account, int y, int m, int d, const char *payee, qint64 amount,
                         const QString &category = QString()) {
        return s.addTransaction(account, QDate(y, m, d), QString::fromUtf8(payee), amount, category).id;
    };
    const QString paidBefore = add(b.checking, 2024, 1, 10, "Acme Corp", 200000, salary);  // before the period
    const QString paid = add(b.checking, 2024, 1, 20, "Acme Corp", 300000, salary);
    s.exec(QStringLiteral("UPDATE transactions SET cleared = 1 WHERE id IN ('%1', '%2')").arg(paidBefore, paid));
    add(b.checking, 2024, 1, 15, "Fresh Mart", -1000, food);  // the first day, on the parent itself
    add(b.checking, 2024, 1, 25, "Fresh Mart", -5000, groceries);
    const QString split = add(b.checking, 2024, 2, 5, "Fresh Mart", -12000);
    splitInto(s, split, {{groceries, -8000}, {dining, -3000}, {medical, -1000}});
    const QString out = add(b.checking, 2024, 2, 10, "Transfer to Savings", -50000);
    const QString in = add(b.savings, 2024, 2, 10, "Transfer from Checking", 50000);
    s.exec(QStringLiteral("UPDATE transactions SET transfer_link_id = '%2', transfer_dest_account_id = '%3' WHERE id = '%1'")
               .arg(out, in, b.savings));
    s.exec(QStringLiteral("UPDATE transactions SET transfer_link_id = '%2', transfer_dest_account_id = '%3' WHERE id = '%1'")
               .arg(in, out, b.checking));
    const QString gone = add(b.checking, 2024, 2, 15, "Bistro", -4500, dining);
    s.exec(QStringLiteral("UPDATE transactions SET deleted_at = '2024-02-16T00:00:00Z' WHERE id = '%1'").arg(gone));
    add(b.checking, 2024, 2, 20, "City Rent", -100000, housing);
    add(b.checking, 2024, 3, 5, "Red Cross", -2500, charity);
    add(b.checking, 2024, 3, 11, "Fresh Mart", -7000, groceries);  // the day after the period
    add(b.checking, 2023, 2, 7, "Fresh Mart", -4000, groceries);   // a year before
    add(b.yen, 2024, 2, 1, "Sushi Ya 寿司屋", -3000, dining);
    add(b.yen, 2024, 2, 2, "Bonus", 10000, salary);

    for (const QDate &statement : {QDate(2024, 2, 29), QDate(2024, 3, 31)}) {
        Reconciliation r;
        r.id = Ids::newId();
        r.accountId = b.checking;
        r.statementDate = statement;
        r.completedAt = r.createdAt = r.updatedAt = Clock::nowUtc();
        s.reconciliations->insert(r);
    }
    return b;
}

// "Food" finds the row whose first cell reads so; "Food/2024-02" the month
// row under it. Empty when there is none.
const ReportRow *findRow(const Report &r, Currency currency, const QString &path)
{
    const QStringList steps = path.split(QLatin1Char('/'));
    int step = 0;
    for (const ReportRow &row : r.rows) {
        if (row.currency != currency)
            continue;
        const QVariant first = row.cells.value(0);
        const QString text = first.typeId() == QMetaType::QDate ? first.toDate().toString(QStringLiteral("yyyy-MM"))
                                                                : first.toString();
        if (text == steps.at(step) && ++step == steps.size())
            return &row;
    }
    return nullptr;
}

ReportRequest over(ReportKind kind, const DateRange &range)
{
    ReportRequest request;
    request.kind = kind;
    request.filter.range = range;
    return request;
}

qint64 transactionsTotal(ReportService &service, const ReportFilter &filter, Currency currency)
{
    ReportRequest request;
    request.kind = ReportKind::Transactions;
    request.filter = filter;
    const Report rows = service.run(request);
    for (const ReportRow &row : rows.rows) {
        if (row.total && row.currency == currency)
            return row.cells.value(5).toLongLong();
    }
    return 0;
}

// RFC 4180 records: quoted fields may hold commas, quotes and line breaks.
QList<QStringList> parseCsv(const QByteArray &bytes)
{
    const QString text = QString::fromUtf8(bytes);
    const auto next = [&](int i) { return i + 1 < text.size() ? text.at(i + 1) : QChar(); };
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"') && next(i) == QLatin1Char('"'))
                field += c, ++i;
            else if (c == QLatin1Char('"'))
                quoted = false;
            else
                field += c;
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            record.append(field), field.clear();
        } else if (c == QLatin1Char('\r') && next(i) == QLatin1Char('\n')) {
            record.append(field), field.clear();
            records.append(record), record.clear();
            ++i;
        } else {
            field += c;
        }
    }
    return records;
}

} // namespace

class TestReportService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { Clock::setFixedNow(QDateTime(QDate(2024, 3, 20), QTime(12, 0), Qt::UTC)); }
    void cleanup() { Clock::setFixedNow(QDateTime()); }

    // Each figure worked out by hand from fill(): splits count by their
    // lines, the transfer is neither income nor expense, the deleted payment
    // and the days outside the period are left out, and yen stay apart.
    void figures_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("account");  // empty: all accounts
        QTest::addColumn<int>("currency");
        QTest::addColumn<QString>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<qint64>("expected");
        const int usd = int(Currency::USD);
        const int jpy = int(Currency::JPY);
        const int spending = int(ReportKind::CategorySpending);
        QTest::newRow("spending, food and its lines") << spending << QString() << usd << "Food" << 1 << qint64(17000);
        QTest::newRow("spending, groceries of two kinds") << spending << QString() << usd << "Food/Groceries" << 1 << qint64(13000);
        QTest::newRow("spending, dining without the deleted") << spending << QString() << usd << "Food/Dining" << 1 << qint64(3000);
        QTest::newRow("spending, on the parent itself") << spending << QString() << usd << "Food/Other Food" << 1 << qint64(1000);
        QTest::newRow("spending, split line alone") << spending << QString() << usd << "Medical" << 1 << qint64(1000);
        QTest::newRow("spending, total") << spending << QString() << usd << "Total" << 1 << qint64(120500);
        QTest::newRow("spending, yen apart") << spending << QString() << jpy << "Total" << 1 << qint64(3000);
        const int payees = int(ReportKind::PayeeSummary);
        QTest::newRow("payees, count with the split once") << payees << QString() << usd << "Fresh Mart" << 1 << qint64(3);
        QTest::newRow("payees, total") << payees << QString() << usd << "Fresh Mart" << 2 << qint64(-18000);
        QTest::newRow("payees, average") << payees << QString() << usd << "Fresh Mart" << 3 << qint64(-6000);
        QTest::newRow("payees, no transfer") << payees << QString() << usd << "Total" << 1 << qint64(6);
        QTest::newRow("payees, average rounded") << payees << QString() << usd << "Total" << 3 << qint64(29917);
        QTest::newRow("payees, yen") << payees << QString() << jpy << "Total" << 2 << qint64(7000);
        const int tax = int(ReportKind::TaxReport);
        QTest::newRow("tax, charity") << tax << QString() << usd << "Charitable contributions" << 5 << qint64(-2500);
        QTest::newRow("tax, split line") << tax << QString() << usd << "Medical and dental expenses" << 5 << qint64(-1000);
        const int flows = int(ReportKind::IncomeVsExpenses);
        QTest::newRow("income, cut January") << flows << QString() << usd << "2024-01" << 1 << qint64(300000);
        QTest::newRow("expenses, cut January") << flows << QString() << usd << "2024-01" << 2 << qint64(6000);
        QTest::newRow("net, February") << flows << QString() << usd << "2024-02" << 3 << qint64(-112000);
        QTest::newRow("expenses, cut March") << flows << QString() << usd << "2024-03" << 2 << qint64(2500);
        QTest::newRow("income and expenses, net") << flows << QString() << usd << "Total" << 3 << qint64(179500);
        QTest::newRow("income, yen") << flows << QString() << jpy << "Total" << 1 << qint64(10000);
        const int cash = int(ReportKind::CashFlow);
        QTest::newRow("cash, opening") << cash << QString() << usd << "Opening balance" << 4 << qint64(296000);
        QTest::newRow("cash, inside transfer left out") << cash << QString() << usd << "2024-02" << 2 << qint64(112000);
        QTest::newRow("cash, running balance") << cash << QString() << usd << "2024-03" << 4 << qint64(475500);
        QTest::newRow("cash, one account pays out") << cash << QStringLiteral("Checking") << usd << "2024-02" << 2 << qint64(162000);
        QTest::newRow("cash, one account's balance") << cash << QStringLiteral("Checking") << usd << "Total" << 4 << qint64(425500);
        const int yoy = int(ReportKind::YearOverYear);
        QTest::newRow("yoy, spending now") << yoy << QString() << usd << "Spending" << 1 << qint64(120500);
        QTest::newRow("yoy, spending before") << yoy << QString() << usd << "Spending" << 2 << qint64(4000);
        QTest::newRow("yoy, food in February") << yoy << QString() << usd << "Food/2024-02" << 1 << qint64(11000);
        QTest::newRow("yoy, food a year before") << yoy << QString() << usd << "Food/2024-02" << 2 << qint64(4000);
        QTest::newRow("yoy, income") << yoy << QString() << usd << "Income" << 1 << qint64(300000);
        const int accounts = int(ReportKind::AccountSummary);
        QTest::newRow("accounts, opening") << accounts << QString() << usd << "Checking" << 1 << qint64(296000);
        QTest::newRow("accounts, inflow") << accounts << QString() << usd << "Checking" << 2 << qint64(300000);
        QTest::newRow("accounts, outflow") << accounts << QString() << usd << "Checking" << 3 << qint64(170500);
        QTest::newRow("accounts, closing") << accounts << QString() << usd << "Checking" << 4 << qint64(425500);
        QTest::newRow("accounts, cleared") << accounts << QString() << usd << "Checking" << 5 << qint64(600000);
        QTest::newRow("accounts, savings") << accounts << QString() << usd << "Savings" << 4 << qint64(50000);
        QTest::newRow("accounts, total") << accounts << QString() << usd << "Total" << 4 << qint64(475500);
        QTest::newRow("accounts, yen") << accounts << QString() << jpy << "Yen Wallet" << 4 << qint64(7000);
        const int rows = int(ReportKind::Transactions);
        QTest::newRow("transactions, total") << rows << QString() << usd << "Total" << 5 << qint64(179500);
        QTest::newRow("transactions, one account") << rows << QStringLiteral("Savings") << usd << "Total" << 5 << qint64(50000);
        QTest::newRow("transactions, yen") << rows << QString() << jpy << "Total" << 5 << qint64(7000);
    }

    void figures()
    {
        QFETCH(int, kind);
        QFETCH(QString, account);
        QFETCH(int, currency);
        QFETCH(QString, row);
        QFETCH(int, column);
        QFETCH(qint64, expected);
        TestStore s;
        QVERIFY(s.isOpen());
        const Books books = fill(s);
        ReportService service(s.db);
        ReportRequest request = over(ReportKind(kind), kPeriod);
        if (account == QLatin1String("Checking"))
            request.filter.accountIds = {books.checking};
        else if (account == QLatin1String("Savings"))
            request.filter.accountIds = {books.savings};
        const Report report = service.run(request);
        QVERIFY2(report.error.isEmpty(), qPrintable(report.error));
        const ReportRow *found = findRow(report, Currency(currency), row);
        QVERIFY2(found, qPrintable(row));
        QCOMPARE(found->cells.value(column).toLongLong(), expected);
    }

    // Rows the reports tell apart without looking their category up: one
    // in a category that no longer exists counts as having none, and so by
    // its sign; a category of the transfer type and an opening balance are
    // neither income nor expense; split lines go by their own category, or
    // by their transaction's payee and their own sign when it is gone; a
    // deleted account's rows are left out.
    void flowsOfUnusualRows_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<qint64>("expected");
        const int flows = int(ReportKind::IncomeVsExpenses);
        QTest::newRow("income") << flows << QStringLiteral("2024-02") << 1 << qint64(5000 + 300);
        QTest::newRow("expenses") << flows << QStringLiteral("2024-02") << 2 << qint64(1000 + 700 + 200 + 600 + 300);
        const int payees = int(ReportKind::PayeeSummary);
        QTest::newRow("payees counted") << payees << QStringLiteral("Total") << 1 << qint64(6);
        QTest::newRow("payees summed") << payees << QStringLiteral("Total") << 2 << qint64(-1000 + 5000 - 700 + 300 - 200 - 900);
    }

    void flowsOfUnusualRows()
    {
        QFETCH(int, kind);
        QFETCH(QString, row);
        QFETCH(int, column);
        QFETCH(qint64, expected);
        TestStore s;
        const QString food = s.addCategory(QStringLiteral("Food")).id;
        const QString salary = s.addCategory(QStringLiteral("Salary"), QString(), CategoryType::Income).id;
        const QString moving = s.addCategory(QStringLiteral("Moving"), QString(), CategoryType::Transfer).id;
        const QString account = s.addAccount(QStringLiteral("Checking")).id;
        const auto add = [&](int day, const char *payee, qint64 amount, const QString &category = QString()) {
            return s.addTransaction(account, QDate(2024, 2, day), QString::fromUtf8(payee), amount, category).id;
        };
        add(1, "Fresh Mart", -1000, food);
        add(2, "Acme Corp", 5000, salary);
        const QString ghostShop = add(3, "Ghost Shop", -700, food);
        const QString ghostRefund = add(4, "Ghost Refund", 300, food);
        add(5, "Corner", -200);
        add(6, "Opening Balance", 10000);
        add(7, "Movers", -400, moving);
        const QString market = add(8, "Market", -900);
        splitInto(s, market, {{food, -600}, {food, -300}});
        const QString opening = add(9, "Opening Balance", 800);
        splitInto(s, opening, {{food, 800}});
        // A category that went without its rows, as a synced store may hold.
        s.exec(QStringLiteral("PRAGMA foreign_keys = OFF"));
        const QString gone = QStringLiteral("gone-category");
        s.exec(QStringLiteral("UPDATE transactions SET category_id = '%1' WHERE id IN ('%2', '%3')").arg(gone, ghostShop, ghostRefund));
        s.exec(QStringLiteral("UPDATE split_lines SET category_id = '%1' WHERE amount IN (-300, 800)").arg(gone));
        s.exec(QStringLiteral("PRAGMA foreign_keys = ON"));
        // A deleted account's rows count nowhere.
        const QString closed = s.addAccount(QStringLiteral("Closed")).id;
        s.addTransaction(closed, QDate(2024, 2, 10), QStringLiteral("Old Shop"), -250, food);
        s.exec(QStringLiteral("UPDATE accounts SET deleted_at = '2024-02-11T00:00:00Z' WHERE id = '%1'").arg(closed));
        ReportService service(s.db);
        const Report report = service.run(over(ReportKind(kind), {QDate(2024, 2, 1), QDate(2024, 2, 29)}));
        QVERIFY2(report.error.isEmpty(), qPrintable(report.error));
        const ReportRow *found = findRow(report, Currency::USD, row);
        QVERIFY2(found, qPrintable(row));
        QCOMPARE(found->cells.value(column).toLongLong(), expected);
    }

    void otherCells()
    {
        TestStore s;
        const Books books = fill(s);
        ReportService service(s.db);
        const Report spending = service.run(over(ReportKind::CategorySpending, kPeriod));
        QCOMPARE(findRow(spending, Currency::USD, QStringLiteral("Housing"))->cells.value(2).toDouble(),
                 100000.0 * 100 / 120500);
        const Report accounts = service.run(over(ReportKind::AccountSummary, kPeriod));
        // The newest statement up to the period's end, not the one after it.
        QCOMPARE(findRow(accounts, Currency::USD, QStringLiteral("Checking"))->cells.value(6).toDate(), QDate(2024, 2, 29));
        const Report rows = service.run(over(ReportKind::Transactions, kPeriod));
        QCOMPARE(rows.matchingRows, qint64(12));
        ReportFilter fresh;
        fresh.range = kPeriod;
        fresh.payee = QStringLiteral("Fresh Mart");
        QCOMPARE(transactionsTotal(service, fresh, Currency::USD), qint64(-18000));
        QVERIFY(!books.yen.isEmpty());
        // Texts beyond ASCII come through whole.
        const auto yen = std::find_if(rows.rows.cbegin(), rows.rows.cend(),
                                      [](const ReportRow &r) { return r.currency == Currency::JPY && !r.total; });
        QVERIFY(yen != rows.rows.cend());
        QCOMPARE(yen->cells.value(2).toString(), QString::fromUtf8("Sushi Ya 寿司屋"));
    }

    // The rows a double-click opens add up to the figure clicked.
    void summingRowsOpenTheirRows_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("sign");
        QTest::newRow("category spending") << int(ReportKind::CategorySpending) << 1 << -1;
        QTest::newRow("payee summary") << int(ReportKind::PayeeSummary) << 2 << 1;
        QTest::newRow("tax report") << int(ReportKind::TaxReport) << 5 << 1;
        QTest::newRow("income vs expenses") << int(ReportKind::IncomeVsExpenses) << 3 << 1;
        QTest::newRow("cash flow") << int(ReportKind::CashFlow) << 3 << 1;
    }

    void summingRowsOpenTheirRows()
    {
        QFETCH(int, kind);
        QFETCH(int, column);
        QFETCH(int, sign);
        TestStore s;
        fill(s);
        ReportService service(s.db);
        const Report report = service.run(over(ReportKind(kind), kPeriod));
        int checked = 0;
        for (const ReportRow &row : report.rows) {
            if (row.filterIndex < 0)
                continue;
            const qint64 figure = row.cells.value(column).toLongLong();
            QCOMPARE(transactionsTotal(service, report.filters.at(row.filterIndex), row.currency), sign * figure);
            ++checked;
        }
        QVERIFY(checked >= 2);
    }

    // Under each tax category's heading (one per currency, by the code),
    // the rows run by date, then by entry time, then by id; a split
    // transaction shows its tax line.
    void taxRowsInOrder_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("all time") << QDate() << QDate()
                                  << QStringList{"USD Charitable contributions -2500", "Red Cross",
                                                 "USD Medical and dental expenses -3600", "Clinic", "Fresh Mart",
                                                 "Pharmacie Côté", "Pharmacy A", "Pharmacy B",
                                                 "JPY Medical and dental expenses -5000", "Tokyo Clinic"};
        QTest::newRow("february") << QDate(2024, 2, 1) << QDate(2024, 2, 29)
                                  << QStringList{"USD Medical and dental expenses -1600", "Fresh Mart", "Pharmacie Côté",
                                                 "Pharmacy A", "Pharmacy B"};
    }

    void taxRowsInOrder()
    {
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(QStringList, expected);
        TestStore s;
        const QString medical = s.addCategory(QStringLiteral("Medical")).id;
        const QString charity = s.addCategory(QStringLiteral("Charity")).id;
        const QString groceries = s.addCategory(QStringLiteral("Groceries")).id;
        s.exec(QStringLiteral("UPDATE categories SET is_tax_relevant = 1, tax_category = 'medical_dental' WHERE id = '%1'").arg(medical));
        s.exec(QStringLiteral("UPDATE categories SET is_tax_relevant = 1, tax_category = 'charitable_contributions' WHERE id = '%1'").arg(charity));
        const QString usd = s.addAccount(QStringLiteral("Checking"), Currency::USD).id;
        const QString yen = s.addAccount(QStringLiteral("Yen Wallet"), Currency::JPY).id;
        // Same day, told apart by the time of entry and then by the id.
        const auto add = [&](const QString &account, const QDate &date, const char *payee, qint64 amount,
                             const QString &category, const char *id, const char *created) {
            const QString added = s.addTransaction(account, date, QString::fromUtf8(payee), amount, category).id;
            s.exec(QStringLiteral("UPDATE transactions SET id = '%2', created_at = '%3' WHERE id = '%1'")
                       .arg(added, QString::fromUtf8(id), QString::fromUtf8(created)));
            return QString::fromUtf8(id);
        };
        add(usd, QDate(2024, 2, 1), "Pharmacy B", -200, medical, "id-b", "2024-02-01T10:00:02Z");
        add(usd, QDate(2024, 2, 1), "Pharmacy A", -100, medical, "id-z", "2024-02-01T10:00:01Z");
        add(usd, QDate(2024, 2, 1), "Pharmacie Côté", -300, medical, "id-a", "2024-02-01T10:00:01Z");
        add(usd, QDate(2024, 3, 1), "Red Cross", -2500, charity, "id-e", "2024-03-01T09:00:00Z");
        add(usd, QDate(2024, 1, 15), "Clinic", -2000, medical, "id-d", "2024-03-01T09:00:00Z");
        const QString split = add(usd, QDate(2024, 2, 1), "Fresh Mart", -5000, QString(), "id-f", "2024-02-01T10:00:00Z");
        splitInto(s, split, {{groceries, -4000}, {medical, -1000}});
        add(yen, QDate(2024, 1, 20), "Tokyo Clinic", -5000, medical, "id-y", "2024-01-20T08:00:00Z");

        ReportService service(s.db);
        const Report report = service.run(over(ReportKind::TaxReport, {from, to}));
        QVERIFY2(report.error.isEmpty(), qPrintable(report.error));
        QStringList rows;
        for (const ReportRow &row : report.rows) {
            const QString currency = row.currency == Currency::JPY ? QStringLiteral("JPY") : QStringLiteral("USD");
            rows.append(row.total ? QStringLiteral("%1 %2 %3").arg(currency, row.cells.value(0).toString())
                                        .arg(row.cells.value(5).toLongLong())
                                  : row.cells.value(2).toString());
        }
        QCOMPARE(rows, expected);
    }

    void periods_data()
    {
        QTest::addColumn<int>("period");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        const auto p = [](ReportPeriod period) { return int(period); };
        QTest::newRow("this quarter, first day") << p(ReportPeriod::ThisQuarter) << QDate(2024, 4, 1) << QDate(2024, 4, 1) << QDate(2024, 6, 30);
        QTest::newRow("this quarter, last day") << p(ReportPeriod::ThisQuarter) << QDate(2024, 3, 31) << QDate(2024, 1, 1) << QDate(2024, 3, 31);
        QTest::newRow("last quarter, over the year") << p(ReportPeriod::LastQuarter) << QDate(2024, 1, 1) << QDate(2023, 10, 1) << QDate(2023, 12, 31);
        QTest::newRow("last quarter, first day") << p(ReportPeriod::LastQuarter) << QDate(2024, 4, 1) << QDate(2024, 1, 1) << QDate(2024, 3, 31);
        QTest::newRow("last month, over the year") << p(ReportPeriod::LastMonth) << QDate(2024, 1, 31) << QDate(2023, 12, 1) << QDate(2023, 12, 31);
        QTest::newRow("this month, leap February") << p(ReportPeriod::ThisMonth) << QDate(2024, 2, 10) << QDate(2024, 2, 1) << QDate(2024, 2, 29);
        QTest::newRow("last 30 days") << p(ReportPeriod::Last30Days) << QDate(2024, 3, 1) << QDate(2024, 2, 1) << QDate(2024, 3, 1);
        QTest::newRow("last 90 days") << p(ReportPeriod::Last90Days) << QDate(2024, 3, 1) << QDate(2023, 12, 3) << QDate(2024, 3, 1);
        QTest::newRow("last 12 months") << p(ReportPeriod::Last12Months) << QDate(2024, 3, 15) << QDate(2023, 4, 1) << QDate(2024, 3, 31);
        QTest::newRow("last year") << p(ReportPeriod::LastYear) << QDate(2024, 3, 15) << QDate(2023, 1, 1) << QDate(2023, 12, 31);
        QTest::newRow("all time") << p(ReportPeriod::AllTime) << QDate(2024, 3, 15) << QDate() << QDate();
    }

    void periods()
    {
        QFETCH(int, period);
        QFETCH(QDate, today);
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        const DateRange range = ReportCatalog::periodRange(ReportPeriod(period), today);
        QCOMPARE(range.from, from);
        QCOMPARE(range.to, to);
        const DateRange swapped = ReportCatalog::periodRange(ReportPeriod::Custom, today, {QDate(2024, 5, 1), QDate(2024, 4, 1)});
        QCOMPARE(swapped.from, QDate(2024, 4, 1));
    }

    void emptyStore()
    {
        TestStore s;
        ReportService service(s.db);
        for (int k = 0; k < kReportKindCount; ++k) {
            for (const ReportPeriod period : {ReportPeriod::AllTime, ReportPeriod::ThisMonth}) {
                const Report r = service.run(over(ReportKind(k), ReportCatalog::periodRange(period, Clock::today())));
                QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
                QVERIFY2(r.rows.isEmpty(), qPrintable(ReportCatalog::code(ReportKind(k))));
                QVERIFY(!r.columns.isEmpty());
            }
        }
    }

    // Every report's CSV read back gives its table: the header, then each
    // cell as a plain number, a yyyy-MM-dd date or the text itself.
    void csvReadsBackAsTheTable()
    {
        TestStore s;
        const Books books = fill(s);
        s.addTransaction(books.checking, QDate(2024, 3, 1), QStringLiteral("Smith, \"Jr\"\nRepairs"), -999);
        ReportService service(s.db);
        for (int k = 0; k < kReportKindCount; ++k) {
            const ReportRequest request = over(ReportKind(k), kPeriod);
            const Report report = service.run(request);
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            QString error;
            QVERIFY(service.writeCsv(request, &buffer, &error));
            const QList<QStringList> records = parseCsv(buffer.data());
            QCOMPARE(records.size(), report.rows.size() + 1);
            for (int c = 0; c < report.columns.size(); ++c)
                QCOMPARE(records.at(0).value(c), report.columns.at(c).title);
            for (int r = 0; r < report.rows.size(); ++r) {
                const ReportRow &row = report.rows.at(r);
                const QStringList &fields = records.at(r + 1);
                QCOMPARE(fields.size(), report.columns.size());
                for (int c = 0; c < report.columns.size(); ++c) {
                    const QVariant cell = row.cells.value(c);
                    const QString field = fields.at(c);
                    const ColumnType type = report.columns.at(c).type;
                    if (type == ColumnType::Currency)
                        QCOMPARE(field, Codes::currencyCode(row.currency));
                    else if (cell.isNull())
                        QVERIFY(field.isEmpty());
                    else if (cell.typeId() == QMetaType::QString)
                        QCOMPARE(field, cell.toString());
                    else if (type == ColumnType::Money) {
                        const double scale = row.currency == Currency::JPY ? 1 : 100;
                        QVERIFY2(!field.contains(QLatin1Char(',')), qPrintable(field));
                        QCOMPARE(qRound64(field.toDouble() * scale), cell.toLongLong());
                    } else if (type == ColumnType::Date)
                        QCOMPARE(QDate::fromString(field, QStringLiteral("yyyy-MM-dd")), cell.toDate());
                    else if (type == ColumnType::Month)
                        QCOMPARE(QDate::fromString(field + QStringLiteral("-01"), QStringLiteral("yyyy-MM-dd")), cell.toDate());
                    else if (type == ColumnType::Count)
                        QCOMPARE(field.toLongLong(), cell.toLongLong());
                    else if (type == ColumnType::Percent)
                        QVERIFY(qAbs(field.toDouble() - cell.toDouble()) < 0.006);
                }
            }
        }
        QCOMPARE(ReportCatalog::csvFileName(ReportKind::CategorySpending), QStringLiteral("category_spending.csv"));
    }

    // On the report thread, a list of transactions that leaves rows out
    // hands its rows over first and then the whole report, as run() makes
    // it; one that leaves nothing out comes whole, once.
    void rowsComeBeforeTheirTotals()
    {
        TestStore s;
        fill(s);
        ReportService service(s.db);
        QList<QPair<quint64, Report>> ready;
        QList<QPair<quint64, Report>> totals;
        connect(&service, &ReportService::reportReady, this, [&](quint64 t, const Report &r) { ready.append({t, r}); });
        connect(&service, &ReportService::totalsReady, this, [&](quint64 t, const Report &r) { totals.append({t, r}); });
        const ReportRequest request = over(ReportKind::Transactions, kPeriod);
        const quint64 cut = service.start(request, 2, ReportService::Delivery::RowsFirst);
        const quint64 whole = service.start(request, ReportService::kNoLimit, ReportService::Delivery::RowsFirst);
        QTRY_COMPARE(ready.size(), 2);
        QCOMPARE(totals.size(), 1);

        const Report expected = service.run(request, 2);
        QVERIFY(expected.truncated);
        const Report &rows = ready.at(0).second;
        QCOMPARE(ready.at(0).first, cut);
        QVERIFY(rows.totalsPending);
        QCOMPARE(rows.rows.size(), 2);
        QCOMPARE(totals.at(0).first, cut);
        const Report &complete = totals.at(0).second;
        QVERIFY(!complete.totalsPending);
        QCOMPARE(complete.matchingRows, expected.matchingRows);
        QCOMPARE(complete.rows.size(), expected.rows.size());
        for (int i = 0; i < expected.rows.size(); ++i) {
            QCOMPARE(complete.rows.at(i).cells, expected.rows.at(i).cells);
            QCOMPARE(complete.rows.at(i).total, expected.rows.at(i).total);
            if (i < rows.rows.size())
                QCOMPARE(rows.rows.at(i).cells, expected.rows.at(i).cells);
        }
        QCOMPARE(ready.at(1).first, whole);
        QVERIFY(!ready.at(1).second.totalsPending);
        QCOMPARE(ready.at(1).second.rows.size(), service.run(request).rows.size());
    }

    // A list cut short ends as the whole list does, row for row, wherever
    // the cut falls: between two rows of one day and entry time, or between
    // the lines of a split transaction.
    void cutListEndsAsTheWholeList_data()
    {
        QTest::addColumn<QString>("createdAt");
        // Rows entered at one time, as an import enters them: their ids order them.
        QTest::newRow("one entry time") << QStringLiteral("'2024-03-01T00:00:00Z'");
        // Each row entered a second before the one stored before it, some
        // with milliseconds: the times order them, not the order of storing.
        QTest::newRow("entry times against the stored order")
            << QStringLiteral("strftime(CASE WHEN rowid % 2 = 0 THEN '%Y-%m-%dT%H:%M:%fZ' ELSE '%Y-%m-%dT%H:%M:%SZ' END, "
                              "'2024-03-01', '-' || rowid || ' seconds')");
    }

    void cutListEndsAsTheWholeList()
    {
        QFETCH(QString, createdAt);
        TestStore s;
        fill(s);
        s.exec(QStringLiteral("UPDATE transactions SET created_at = ") + createdAt);
        ReportService service(s.db);
        const ReportRequest request = over(ReportKind::Transactions, kPeriod);
        const auto withoutTotals = [](const Report &report) {
            QList<ReportRow> rows;
            for (const ReportRow &row : report.rows) {
                if (!row.total)
                    rows.append(row);
            }
            return rows;
        };
        const QList<ReportRow> whole = withoutTotals(service.run(request));
        QVERIFY(whole.size() > 5);
        for (int limit = 0; limit <= whole.size(); ++limit) {
            const Report report = service.run(request, limit);
            const QList<ReportRow> cut = withoutTotals(report);
            QCOMPARE(report.truncated, limit < whole.size());
            QCOMPARE(cut.size(), limit);
            for (int i = 0; i < limit; ++i) {
                const ReportRow &expected = whole.at(whole.size() - limit + i);
                QCOMPARE(cut.at(i).transactionId, expected.transactionId);
                QCOMPARE(cut.at(i).cells, expected.cells);
            }
        }
    }

    // A report called off never arrives, whether it was waiting, being made
    // or on its way, nor do the totals of one whose rows already came; the
    // reports asked for after it do.
    void calledOffReportsNeverArrive()
    {
        TestStore s;
        fill(s);
        ReportService service(s.db);
        QList<quint64> arrived;
        connect(&service, &ReportService::reportReady, this, [&](quint64 t, const Report &r) {
            arrived.append(t);
            // The list of transactions is called off as soon as its rows are in.
            if (r.totalsPending)
                service.cancel(t);
        });
        connect(&service, &ReportService::totalsReady, this, [&](quint64 t, const Report &) { arrived.append(t); });
        const quint64 first = service.start(over(ReportKind::YearOverYear, kPeriod));
        const quint64 second = service.start(over(ReportKind::PayeeSummary, kPeriod));
        service.cancel(first);
        const quint64 rows = service.start(over(ReportKind::Transactions, kPeriod), 2, ReportService::Delivery::RowsFirst);
        const quint64 last = service.start(over(ReportKind::AccountSummary, kPeriod));
        QTRY_VERIFY(arrived.contains(last));
        QCOMPARE(arrived, (QList<quint64>{second, rows, last}));
    }

    // A spreadsheet would run a payee that starts like a formula.
    void csvKeepsFormulasAsText()
    {
        ReportRow row;
        row.cells = {QStringLiteral("=HYPERLINK(\"x\")"), qint64(-123405)};
        const ReportColumn text{QStringLiteral("Payee"), ColumnType::Text};
        QCOMPARE(ReportCsv::field(text, row, 0), QStringLiteral("'=HYPERLINK(\"x\")"));
        QCOMPARE(ReportCsv::field({QStringLiteral("Amount"), ColumnType::Money}, row, 1), QStringLiteral("-1234.05"));
    }
};

QTEST_GUILESS_MAIN(TestReportService)
#include "tst_reportservice.moc"
