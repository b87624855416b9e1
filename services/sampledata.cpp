#include "services/sampledata.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/clock.h"
#include "data/dbtransaction.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/transactionservice.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QSignalBlocker>
#include <QSqlError>
#include <QSqlQuery>

namespace {

const QString kPrefix = QStringLiteral("sample-");

struct Builder {
    Repositories r;
    QRandomGenerator random{20240611};
    QDate today = Clock::today();
    QDate reconciledThrough;  // rows up to this date are reconciled
    int sequence = 0;
    QList<Transaction> rows;
    QList<QPair<QString, QList<SplitLine>>> splits;
    QHash<QString, QString> categoryIds;

    QString nextId(const char *kind) { return kPrefix + QLatin1String(kind) + QLatin1Char('-') + QString::number(++sequence); }

    QString category(const char *name)
    {
        const QString key = QString::fromLatin1(name);
        auto it = categoryIds.constFind(key);
        if (it != categoryIds.constEnd())
            return *it;
        const std::optional<Category> c = r.categories->findByName(QCoreApplication::translate("CategoryService", name));
        const QString id = c ? c->id : QString();
        categoryIds.insert(key, id);
        return id;
    }

    qint64 between(qint64 low, qint64 high) { return low + qint64(random.bounded(quint32(high - low + 1))); }

    Transaction make(const Account &account, const QDate &date, const QString &payee, qint64 amount,
                     const QString &categoryId, const QString &memo = QString())
    {
        Transaction t;
        t.id = nextId("txn");
        t.accountId = account.id;
        t.date = date;
        t.payee = payee;
        t.amount = amount;
        t.categoryId = categoryId;
        t.memo = memo;
        t.cleared = date <= today.addDays(-4);
        t.reconciled = date <= reconciledThrough && account.type != AccountType::Cash
            && account.type != AccountType::Investment;
        // Creation follows generation order, so same-day rows keep it in the register.
        t.createdAt = QDateTime(date, QTime(9, 0), Qt::UTC).addSecs(sequence);
        t.updatedAt = t.createdAt;
        return t;
    }

    void add(const Account &account, const QDate &date, const char *payee, qint64 amount, const char *categoryName,
             const QString &memo = QString(), const QString &checkNumber = QString())
    {
        if (date > today)
            return;
        Transaction t = make(account, date, QString::fromUtf8(payee), amount,
                             categoryName ? category(categoryName) : QString(), memo);
        t.checkNumber = checkNumber;
        rows.append(t);
    }

    void transfer(const Account &from, const Account &to, const QDate &date, qint64 amount, const QString &memo)
    {
        if (date > today)
            return;
        Transaction first = make(from, date, QCoreApplication::translate("RegisterScreen", "Transfer to %1").arg(to.name),
                                 -amount, QString(), memo);
        Transaction partner = TransactionService::makeTransferPartner(first, from, to);
        partner.id = nextId("txn");
        first.transferLinkId = partner.id;
        partner.reconciled = first.reconciled && to.type != AccountType::Cash && to.type != AccountType::Investment;
        rows.append(first);
        rows.append(partner);
    }

    void split(const Account &account, const QDate &date, const char *payee,
               const QList<QPair<const char *, qint64>> &parts, const QString &memo)
    {
        if (date > today)
            return;
        qint64 total = 0;
        for (const auto &part : parts)
            total += part.second;
        Transaction t = make(account, date, QString::fromUtf8(payee), -total, QString(), memo);
        t.isSplit = true;
        QList<SplitLine> lines;
        for (const auto &part : parts) {
            SplitLine line;
            line.id = nextId("split");
            line.transactionId = t.id;
            line.categoryId = category(part.first);
            line.amount = -part.second;
            line.createdAt = line.updatedAt = t.createdAt;
            lines.append(line);
        }
        rows.append(t);
        splits.append({t.id, lines});
    }
};

Account makeAccount(const char *id, const char *name, AccountType type, const char *institution, const char *last4,
                    int sortOrder)
{
    Account a;
    a.id = kPrefix + QLatin1String(id);
    a.name = QString::fromUtf8(name);
    a.type = type;
    a.institution = QString::fromUtf8(institution);
    a.accountNumberLast4 = QString::fromLatin1(last4);
    a.sortOrder = sortOrder;
    a.createdAt = a.updatedAt = Clock::nowUtc();
    return a;
}

} // namespace

SampleData::SampleData(const Repositories &repositories, QObject *parent)
    : QObject(parent)
    , m_repos(repositories)
{
}

bool SampleData::isLoaded()
{
    QSqlQuery q(m_repos.splitLines->connection());
    q.exec(QStringLiteral("SELECT 1 FROM accounts WHERE id LIKE 'sample-%' LIMIT 1"));
    return q.next();
}

QString SampleData::message(Result result)
{
    switch (result) {
    case Result::Loaded:
        return tr("Sample data loaded");
    case Result::AlreadyLoaded:
        return tr("Sample data is already loaded.");
    case Result::Cleared:
        return tr("Sample data cleared");
    case Result::NothingToClear:
        return tr("No sample data to clear.");
    case Result::Failed:
        break;
    }
    return tr("The sample data could not be written; nothing was changed.");
}

SampleData::Result SampleData::load()
{
    if (isLoaded())
        return Result::AlreadyLoaded;

    Builder b;
    b.r = m_repos;
    const QDate start = QDate(b.today.year(), b.today.month(), 1).addMonths(-30);
    const QDate thisMonth(b.today.year(), b.today.month(), 1);
    b.reconciledThrough = thisMonth.addMonths(-1).addDays(-1);

    const Account checking = makeAccount("acct-checking", "Everyday Checking", AccountType::Checking,
                                         "Riverbend Credit Union", "4821", 0);
    const Account savings = makeAccount("acct-savings", "Rainy Day Savings", AccountType::Savings,
                                        "Riverbend Credit Union", "9034", 1);
    const Account visa = makeAccount("acct-visa", "Rewards Visa", AccountType::CreditCard, "Harbor Bank", "7710", 2);
    const Account cash = makeAccount("acct-cash", "Wallet Cash", AccountType::Cash, "", "", 3);
    const Account brokerage = makeAccount("acct-brokerage", "Index Fund Brokerage", AccountType::Investment,
                                          "Northstar Investing", "5502", 4);
    const QList<Account> accounts = {checking, savings, visa, cash, brokerage};

    const QString opening = QCoreApplication::translate("AccountService", "Opening Balance");
    auto openWith = [&](const Account &a, qint64 amount) {
        Transaction t = b.make(a, start, opening, amount, QString());
        t.cleared = t.reconciled = true;
        b.rows.append(t);
    };
    openWith(checking, 320000);
    openWith(savings, 850000);
    openWith(visa, -41275);
    openWith(cash, 6000);
    openWith(brokerage, 1500000);

    int checkNumber = 1201;
    qint64 lastMonthCard = 41275;
    const char *const grocers[] = {"Green Valley Market", "Grocery Mart"};
    const char *const diners[] = {"Blue Door Bistro", "Corner Taqueria", "Sunrise Bakery", "Noodle House"};
    for (QDate month = start; month <= b.today; month = month.addMonths(1)) {
        auto day = [&](int d) { return QDate(month.year(), month.month(), std::min(d, month.daysInMonth())); };
        const bool current = month == thisMonth;

        b.add(checking, day(1), "Maple Street Apartments", -165000, "Rent/Mortgage Payment", QObject::tr("Monthly rent"),
              QString::number(checkNumber++));
        for (int d : {1, 15})
            b.add(checking, day(d), "Larkspire Design Co.", 215000, "Salary / Wages", QObject::tr("Direct deposit"));
        b.add(checking, day(5), "City Power & Light", -b.between(6800, 14200), "Electric");
        if (!current)
            b.add(checking, day(8), "Riverside Water", -b.between(3400, 5600), "Water");
        b.add(checking, day(12), "Northwind Fiber", -6500, "Internet");
        b.add(checking, day(18), "Metro Mobile", -4500, "Phone");
        for (int d : {3, 10, 17, 24})
            b.add(checking, day(d), grocers[b.random.bounded(2)], -b.between(5500, 16800), "Groceries");
        b.transfer(checking, savings, day(16), 30000, QObject::tr("Monthly savings"));
        b.transfer(checking, cash, day(6), 2000 * b.between(2, 3), QObject::tr("ATM withdrawal"));
        b.transfer(checking, visa, day(20), lastMonthCard, QObject::tr("Card payment"));
        if (month.month() % 3 == 0)
            b.add(checking, day(22), "Community Food Bank", -5000, "Charitable Donations", QObject::tr("Quarterly gift"));
        if (b.random.bounded(3) == 0)
            b.add(checking, day(26), "Harbor Pharmacy", -b.between(1200, 4500), "Medical Expenses");
        if (b.random.bounded(2) == 0)
            b.add(checking, day(9), "Hardware Barn", -b.between(1800, 12500), "Household");
        if (month.month() == 11 || month.month() == 12)
            b.add(checking, day(11 + int(b.random.bounded(10))), "Bookshop on Main", -b.between(2500, 9000), "Gifts",
                  QObject::tr("Holiday gifts"));
        if (month.month() == 4 || month.month() == 10)
            b.add(checking, day(14), "Evergreen Auto Insurance", -61200, "Auto Insurance", QObject::tr("Six-month premium"));

        qint64 card = 0;
        auto charge = [&](const QDate &date, const char *payee, qint64 amount, const char *categoryName,
                          const QString &memo = QString()) {
            if (date > b.today)
                return;
            card += amount;
            b.add(visa, date, payee, -amount, categoryName, memo);
        };
        for (int i = 0; i < 4; ++i)
            charge(day(2 + i * 7 + int(b.random.bounded(3))), diners[b.random.bounded(4)], b.between(1200, 8500),
                   "Dining & Restaurants");
        charge(day(9), "Streamflix", 1549, "Streaming");
        for (int d : {7, 21})
            charge(day(d), "Shell", b.between(3500, 6200), "Gas/Fuel");
        if (b.random.bounded(2) == 0)
            charge(day(27), "Cinema Paradiso", 2800, "Movies", QObject::tr("Two tickets"));
        if (day(13) <= b.today) {
            const qint64 food = b.between(4000, 9000), home = b.between(1500, 5500);
            card += food + home;
            b.split(visa, day(13), "Hometown Superstore", {{"Groceries", food}, {"Household", home}},
                    QObject::tr("Weekly run"));
        }
        lastMonthCard = card;

        for (int d : {4, 11, 19, 25})
            b.add(cash, day(d), "Corner Coffee", -b.between(375, 650), "Dining & Restaurants");
        b.add(cash, day(23), "Farmers Market", -b.between(1200, 3000), "Groceries");

        b.add(savings, day(31), "Interest Payment", b.between(310, 980), "Interest Income");
        if (month.month() % 3 == 0)
            b.add(brokerage, day(28), "Dividend - Total Market Index", b.between(9500, 16000), "Dividend Income");
        if (month.month() == 6 && month > start)
            b.transfer(savings, brokerage, day(2), 100000, QObject::tr("Yearly investment"));
    }

    // Statements for the last six months before the reconciled date, checking account.
    QList<Reconciliation> statements;
    for (int back = 5; back >= 0; --back) {
        const QDate end = b.reconciledThrough.addMonths(-back);
        const QDate statementDate(end.year(), end.month(), end.daysInMonth());
        qint64 balance = 0;
        for (const Transaction &t : std::as_const(b.rows)) {
            if (t.accountId == checking.id && t.date <= statementDate)
                balance += t.amount;
        }
        Reconciliation r;
        r.id = b.nextId("recon");
        r.accountId = checking.id;
        r.statementDate = statementDate;
        r.statementBalance = r.reconciledBalance = balance;
        r.completedAt = QDateTime(statementDate.addDays(5), QTime(18, 30), Qt::UTC);
        r.createdAt = r.updatedAt = r.completedAt;
        statements.append(r);
    }

    auto schedule = [&](const Account &a, const char *payee, qint64 amount, const char *categoryName,
                        Frequency frequency, const QDate &next, bool autoPost) {
        RecurringTransaction r;
        r.id = b.nextId("rec");
        r.accountId = a.id;
        r.payee = QString::fromUtf8(payee);
        r.amount = amount;
        r.categoryId = categoryName ? b.category(categoryName) : QString();
        r.frequency = frequency;
        r.startDate = start;
        r.nextDueDate = next;
        r.autoPost = autoPost;
        r.createdAt = r.updatedAt = Clock::nowUtc();
        return r;
    };
    auto nextOn = [&](int d) {
        QDate date(b.today.year(), b.today.month(), std::min(d, b.today.daysInMonth()));
        return date > b.today ? date : date.addMonths(1);
    };
    QList<RecurringTransaction> schedules = {
        schedule(checking, "Maple Street Apartments", -165000, "Rent/Mortgage Payment", Frequency::Monthly, nextOn(1),
                 false),
        schedule(checking, "Larkspire Design Co.", 215000, "Salary / Wages", Frequency::Monthly, nextOn(15), true),
        schedule(visa, "Streamflix", -1549, "Streaming", Frequency::Monthly, nextOn(9), true),
        schedule(checking, "Riverside Water", -4500, "Water", Frequency::Monthly, QDate(thisMonth.year(), thisMonth.month(), 8),
                 false),
        schedule(checking, "Evergreen Auto Insurance", -61200, "Auto Insurance", Frequency::SemiAnnual,
                 QDate(b.today.month() < 4 ? b.today.year() : b.today.year() + (b.today.month() < 10 ? 0 : 1),
                       b.today.month() < 4 || b.today.month() >= 10 ? 4 : 10, 14),
                 false),
    };
    RecurringTransaction savingsTransfer =
        schedule(checking, "Transfer to Rainy Day Savings", -30000, nullptr, Frequency::Monthly, nextOn(16), true);
    savingsTransfer.transferDestAccountId = savings.id;
    savingsTransfer.memo = QObject::tr("Monthly savings");
    schedules.append(savingsTransfer);

    bool ok = true;
    {
        const QSignalBlocker blockAccounts(m_repos.accounts);
        const QSignalBlocker blockTransactions(m_repos.transactions);
        const QSignalBlocker blockRecurring(m_repos.recurring);
        const QSignalBlocker blockReconciliations(m_repos.reconciliations);
        DbTransaction tx(m_repos.splitLines->connection());
        ok = tx.isActive();
        for (const Account &a : accounts)
            ok = ok && m_repos.accounts->insert(a);
        for (const Transaction &t : std::as_const(b.rows))
            ok = ok && m_repos.transactions->insert(t);
        for (const auto &split : std::as_const(b.splits)) {
            for (const SplitLine &line : split.second)
                ok = ok && m_repos.splitLines->insert(line);
        }
        for (const Reconciliation &r : std::as_const(statements))
            ok = ok && m_repos.reconciliations->insert(r);
        for (const RecurringTransaction &r : std::as_const(schedules))
            ok = ok && m_repos.recurring->insert(r);
        ok = ok && tx.commit();
    }
    if (!ok)
        return Result::Failed;
    Q_EMIT m_repos.accounts->accountsChanged();
    for (const Account &a : accounts)
        Q_EMIT m_repos.transactions->transactionsChanged(a.id);
    Q_EMIT m_repos.recurring->recurringChanged();
    Q_EMIT m_repos.reconciliations->reconciliationsChanged();
    return Result::Loaded;
}

SampleData::Result SampleData::clear()
{
    if (!isLoaded())
        return Result::NothingToClear;
    QStringList accountIds;
    for (const Account &a : m_repos.accounts->listLive() + m_repos.accounts->listDeleted()) {
        if (a.id.startsWith(kPrefix))
            accountIds.append(a.id);
    }
    {
        DbTransaction tx(m_repos.splitLines->connection());
        if (!tx.isActive())
            return Result::Failed;
        QSqlQuery q(m_repos.splitLines->connection());
        // Rows the sample schedules posted carry ids derived from the schedule,
        // not the sample prefix; they go first, with any lines of theirs.
        // Then children before parents, so references hold at every step.
        QStringList statements = {
            QStringLiteral("DELETE FROM split_lines WHERE transaction_id IN "
                           "(SELECT id FROM transactions WHERE recurring_id LIKE 'sample-%')"),
            QStringLiteral("DELETE FROM transactions WHERE recurring_id LIKE 'sample-%'"),
        };
        for (const char *table : {"split_lines", "transactions", "recurring_transactions", "reconciliations",
                                  "transaction_templates", "categories", "accounts"})
            statements.append(QStringLiteral("DELETE FROM %1 WHERE id LIKE 'sample-%'").arg(QLatin1String(table)));
        for (const QString &sql : std::as_const(statements)) {
            if (!q.exec(sql)) {
                qWarning().noquote() << "SampleData::clear failed:" << sql << q.lastError().text();
                return Result::Failed;
            }
        }
        if (!tx.commit())
            return Result::Failed;
    }
    Q_EMIT m_repos.accounts->accountsChanged();
    for (const QString &id : std::as_const(accountIds))
        Q_EMIT m_repos.transactions->transactionsChanged(id);
    Q_EMIT m_repos.recurring->recurringChanged();
    Q_EMIT m_repos.reconciliations->reconciliationsChanged();
    Q_EMIT m_repos.categories->categoriesChanged();
    return Result::Cleared;
}
