#include "bench/generator.h"

#include "data/clock.h"
#include "data/sqlvalue.h"
#include "data/transactionrepository.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>

#include <algorithm>
#include <ctime>

namespace {

const char *const kPayees[] = {
    "Grocery Mart", "Green Valley Market", "City Power & Light", "Riverside Water", "Northwind Telecom",
    "Shell Station", "Corner Coffee", "Blue Door Bistro", "Harbor Pharmacy", "Maple Street Rent",
    "Metro Transit", "Sunrise Bakery", "Paycheck - Acme Corp", "Home Depot Supply", "Online Books",
    "Streamflix", "Gym Membership", "Pet Supplies Plus", "Dr. Patel Dental", "State Farm Insurance",
    "Farmers Market", "Hardware Barn", "Movie Palace", "Bookshop on Main", "Airline Tickets",
    "Hotel Stay", "Parking Garage", "Car Wash Express", "Dry Cleaners", "Interest Payment",
    "Dividend Deposit", "Refund - Outdoor Gear", "ATM Withdrawal", "Bank Service Fee", "Charity Donation",
    "School Lunch", "Music Lessons", "Garden Center", "Electronics World", "Thrift Store",
};

const char *const kMemos[] = {
    "", "", "", "weekly groceries", "monthly bill", "birthday gift", "reimbursable", "split with roommate",
    "auto-pay", "paid by card", "tip included", "quarterly", "annual renewal", "office supplies", "family dinner",
};

} // namespace

QString StoreGenerator::addAccount(const QSqlDatabase &db, const QString &name, const QString &currency)
{
    const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    const QString now = SqlValue::timestamp(Clock::nowUtc());
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT INTO accounts (id, name, account_type, currency, created_at, updated_at) "
                             "VALUES (?, ?, 'checking', ?, ?, ?)"));
    q.addBindValue(id);
    q.addBindValue(name);
    q.addBindValue(currency);
    q.addBindValue(now);
    q.addBindValue(now);
    if (!q.exec())
        qWarning() << "StoreGenerator::addAccount failed:" << q.lastError().text();
    return id;
}

QStringList StoreGenerator::categoryIds(const QSqlDatabase &db)
{
    if (m_categoryIds.isEmpty()) {
        QSqlQuery q(db);
        q.exec(QStringLiteral("SELECT id FROM categories WHERE deleted_at IS NULL ORDER BY id"));
        while (q.next())
            m_categoryIds.append(q.value(0).toString());
    }
    return m_categoryIds;
}

StoreGenerator::Row StoreGenerator::nextRow(const QDate &from, int spanDays)
{
    Row r;
    r.date = from.addDays(m_random.bounded(std::max(1, spanDays)));
    const int payee = m_random.bounded(int(std::size(kPayees)));
    r.payee = QString::fromLatin1(kPayees[payee]);
    r.memo = QString::fromLatin1(kMemos[m_random.bounded(int(std::size(kMemos)))]);
    const bool deposit = r.payee.startsWith(QLatin1String("Paycheck")) || r.payee.startsWith(QLatin1String("Interest"))
        || r.payee.startsWith(QLatin1String("Dividend")) || r.payee.startsWith(QLatin1String("Refund"));
    const qint64 cents = deposit ? 5000 + m_random.bounded(400000) : 199 + m_random.bounded(25000);
    r.amount = deposit ? cents : -cents;
    r.checkNumber = m_random.bounded(20) == 0 ? QString::number(1000 + m_random.bounded(9000)) : QString();
    r.cleared = m_random.bounded(4) != 0;
    return r;
}

QStringList StoreGenerator::addTransactions(const QSqlDatabase &db, const QString &accountId, int count, int years)
{
    const QStringList categories = categoryIds(db);
    const QDate from = Clock::today().addYears(-years);
    const int span = int(from.daysTo(Clock::today()));
    const QDateTime created = Clock::nowUtc().addYears(-years);

    QStringList ids;
    ids.reserve(count);
    QSqlDatabase(db).transaction();
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, "
                             "check_number, cleared, reconciled, version, sync_status, created_at, updated_at) "
                             "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 1, 'pending', ?, ?)"));
    for (int i = 0; i < count; ++i) {
        const Row r = nextRow(from, span);
        const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        const QString stamp = SqlValue::timestamp(created.addSecs(i));
        q.bindValue(0, id);
        q.bindValue(1, accountId);
        q.bindValue(2, SqlValue::date(r.date));
        q.bindValue(3, r.payee);
        q.bindValue(4, r.memo);
        q.bindValue(5, r.amount);
        q.bindValue(6, categories.isEmpty() || m_random.bounded(10) == 0
                           ? QVariant(QMetaType::fromType<QString>())
                           : QVariant(categories.at(m_random.bounded(categories.size()))));
        q.bindValue(7, r.checkNumber);
        q.bindValue(8, r.cleared ? 1 : 0);
        q.bindValue(9, r.cleared && r.date < Clock::today().addMonths(-2) ? 1 : 0);
        q.bindValue(10, stamp);
        q.bindValue(11, stamp);
        if (!q.exec()) {
            qWarning() << "StoreGenerator::addTransactions failed:" << q.lastError().text();
            break;
        }
        ids.append(id);
    }
    QSqlDatabase(db).commit();
    return ids;
}

QStringList StoreGenerator::searchWords()
{
    return {QStringLiteral("grocery"), QStringLiteral("coffee"), QStringLiteral("power"), QStringLiteral("rent"),
            QStringLiteral("bistro"),  QStringLiteral("pharm"),  QStringLiteral("gift"),  QStringLiteral("transit"),
            QStringLiteral("book"),    QStringLiteral("insur"),  QStringLiteral("dental"), QStringLiteral("roommate"),
            QStringLiteral("market"),  QStringLiteral("hotel"),  QStringLiteral("fee"),   QStringLiteral("1234"),
            QStringLiteral("garden"),  QStringLiteral("music"),  QStringLiteral("quarterly"), QStringLiteral("wash")};
}

int bareTransactionQuery(const QSqlDatabase &db, const QString &conditions, const QString &accountId)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral(
        "SELECT t.id, t.account_id, t.date, t.payee, t.memo, t.amount, t.category_id, t.check_number, t.cleared, "
        "t.reconciled, t.transfer_link_id, t.transfer_dest_account_id, t.is_split, t.recurring_id, t.version, "
        "t.sync_status, t.server_id, t.created_at, t.updated_at, t.deleted_at FROM transactions t WHERE "
        "t.account_id = ? AND t.deleted_at IS NULL%1 ORDER BY t.date ASC, t.created_at ASC")
                  .arg(conditions));
    q.addBindValue(accountId);
    q.exec();
    int count = 0;
    while (q.next()) {
        for (int c = 0; c < 20; ++c)
            q.value(c);
        ++count;
    }
    return count;
}

int bareRegisterQuery(const QSqlDatabase &db, const QString &accountId)
{
    return bareTransactionQuery(db, QString(), accountId);
}

void bareAccountSums(const QSqlDatabase &db, const QStringList &accountIds)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT COALESCE(SUM(amount), 0) FROM transactions WHERE account_id = ? AND "
                             "deleted_at IS NULL"));
    for (const QString &id : accountIds) {
        q.bindValue(0, id);
        q.exec();
        q.next();
    }
}

void writePayment(TransactionRepository &repo, const QString &accountId, const QString &payee, qint64 amount)
{
    Transaction t;
    t.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    t.accountId = accountId;
    t.date = Clock::today();
    t.payee = payee;
    t.amount = amount;
    t.createdAt = t.updatedAt = Clock::nowUtc();
    repo.insert(t);
}

qint64 peakRssKb(qint64 pid)
{
    QFile status(pid == 0 ? QStringLiteral("/proc/self/status") : QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

double timeMs(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

double medianMs(int repeats, const std::function<void()> &work, const std::function<void()> &before)
{
    QList<double> samples;
    for (int i = 0; i < std::max(1, repeats); ++i) {
        if (before)
            before();
        samples.append(timeMs(work));
    }
    return median(samples);
}

double median(QList<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples.isEmpty() ? 0 : samples.at(samples.size() / 2);
}

namespace {

double cpuMs(clockid_t clock)
{
    timespec t{};
    clock_gettime(clock, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

} // namespace

double threadCpuMs()
{
    return cpuMs(CLOCK_THREAD_CPUTIME_ID);
}

double processCpuMs()
{
    return cpuMs(CLOCK_PROCESS_CPUTIME_ID);
}

QString amountText(qint64 cents)
{
    const qint64 magnitude = qAbs(cents);
    return QStringLiteral("%1%2.%3")
        .arg(cents < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / 100)
        .arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}

QString ratioText(double ours, double baseline)
{
    if (baseline <= 0)
        return QStringLiteral("n/a");
    return QString::number(ours / baseline, 'f', 2) + QLatin1Char('x');
}

Paired pairedMedians(int repeats, const std::function<void()> &ours, const std::function<void()> &base,
                     const std::function<void()> &before)
{
    QList<double> a;
    QList<double> b;
    for (int i = 0; i < std::max(1, repeats); ++i) {
        b.append(timeMs(base));
        if (before)
            before();
        a.append(timeMs(ours));
    }
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    return {a.at(a.size() / 2), b.at(b.size() / 2)};
}
