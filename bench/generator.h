#pragma once

#include <QDate>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

class TransactionRepository;

#include <functional>

// Synthetic stores for the benchmarks: believable payees, memos and amounts
// from a fixed seed, written with bare prepared statements in one transaction.
class StoreGenerator
{
public:
    explicit StoreGenerator(quint32 seed = 20261208) : m_random(seed) {}

    // Creates an account (starting balance 0) and returns its id.
    QString addAccount(const QSqlDatabase &db, const QString &name, const QString &currency = QStringLiteral("USD"));
    // Writes count transactions into the account, dated back from today over
    // `years`, with categories drawn from the store's live categories. Returns
    // the ids written.
    QStringList addTransactions(const QSqlDatabase &db, const QString &accountId, int count, int years = 10);

    // One random transaction's fields, for scenarios that insert through repositories.
    struct Row {
        QDate date;
        QString payee;
        QString memo;
        qint64 amount;
        QString checkNumber;
        bool cleared;
    };
    Row nextRow(const QDate &from, int spanDays);

    // Words that occur in generated payees and memos, for search queries.
    static QStringList searchWords();

    QRandomGenerator &random() { return m_random; }

private:
    QStringList categoryIds(const QSqlDatabase &db);

    QRandomGenerator m_random;
    QStringList m_categoryIds;
};

// The register's query for one account through a bare prepared QSqlQuery,
// reading every column of every row: the baseline of register figures.
// Returns the number of rows.
int bareRegisterQuery(const QSqlDatabase &db, const QString &accountId);
// The same with more conditions (" AND t.reconciled = 0") after the account's.
int bareTransactionQuery(const QSqlDatabase &db, const QString &conditions, const QString &accountId);

// The sidebar's figure done the plain way: one SUM over the live rows of each
// account, through a bare prepared statement.
void bareAccountSums(const QSqlDatabase &db, const QStringList &accountIds);

// Writes one new payment dated today into the account through the repository,
// as a register commit does.
void writePayment(TransactionRepository &repo, const QString &accountId, const QString &payee, qint64 amount);

// Peak resident memory (VmHWM) of a process in KiB, this one when pid is 0; -1 when unknown.
qint64 peakRssKb(qint64 pid = 0);

// Milliseconds of a callable, and the median of several runs.
double timeMs(const std::function<void()> &work);
double median(QList<double> samples);  // 0 when there are none
double medianMs(int repeats, const std::function<void()> &work, const std::function<void()> &before = {});
QString ratioText(double ours, double baseline);

// CPU time so far of the calling thread, and of the whole process. On a
// machine shared with other work these are the steadier figures: wall time
// also counts the time spent waiting for a processor.
double threadCpuMs();
double processCpuMs();

// An amount in cents as a QIF or OFX file writes it: "-12.34".
QString amountText(qint64 cents);

// Medians of our work and of the baseline, taken in alternation (baseline,
// then `before`, then ours) so that both see the same machine load.
struct Paired {
    double ours = 0;
    double base = 0;
};
Paired pairedMedians(int repeats, const std::function<void()> &ours, const std::function<void()> &base,
                     const std::function<void()> &before = {});
