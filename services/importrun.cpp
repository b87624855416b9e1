#include "services/importrun.h"

#include "data/accountrepository.h"
#include "data/bulkwrite.h"
#include "data/categoryrepository.h"
#include "data/clock.h"
#include "data/dbtransaction.h"
#include "data/ids.h"
#include "data/preferencesrepository.h"
#include "data/sharedaccess.h"
#include "data/splitlinerepository.h"
#include "data/sqlvalue.h"
#include "data/transactionrepository.h"
#include "services/changebatch.h"
#include "services/money.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <QSet>
#include <QSignalBlocker>
#include <QSqlDriver>

#include <sqlite3.h>

namespace {

using Stop = ImportResult::Stop;

// What the last failed call on the connection says about the store as a
// whole. A constraint or a trigger refuses one row; a full disk, an I/O
// error or a lock held elsewhere would refuse every row after it too.
Stop storeProblemOf(const QSqlDatabase &db)
{
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return Stop::None;
    sqlite3 *connection = *static_cast<sqlite3 *const *>(handle.constData());
    switch (connection ? sqlite3_errcode(connection) & 0xff : SQLITE_OK) {
    case SQLITE_FULL:
        return Stop::DiskFull;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return Stop::StoreBusy;
    case SQLITE_IOERR:
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
    case SQLITE_READONLY:
    case SQLITE_CANTOPEN:
    case SQLITE_NOMEM:
    case SQLITE_PROTOCOL:
        return Stop::DatabaseError;
    default:
        return Stop::None;
    }
}

// A failed COMMIT is rolled back before the caller hears of it, so only the
// error text is left to tell a full disk from other failures.
Stop commitProblemOf(const QString &error)
{
    if (error.contains(QLatin1String("full"), Qt::CaseInsensitive))
        return Stop::DiskFull;
    if (error.contains(QLatin1String("locked"), Qt::CaseInsensitive))
        return Stop::StoreBusy;
    return Stop::DatabaseError;
}

const char *reasonFor(Stop stop)
{
    switch (stop) {
    case Stop::DiskFull:
        return "the disk is full";
    case Stop::StoreBusy:
        return "another connection holds the store";
    default:
        return "the database refuses writes";
    }
}

} // namespace

ImportService::Run::Run(ImportService *service, const QList<ImportFile> &files, QHash<QString, QString> mapping)
    : m_service(service)
    , m_files(files)
    , m_mapping(std::move(mapping))
    , m_now(Clock::nowUtc())
    , m_importIds(service->m_splitLines->connection())
{
    for (const ImportFile &file : files) {
        m_result.investmentStatements += file.investmentStatements;
        m_result.otherCurrencyStatements += file.otherCurrencyStatements;
        if (file.truncated)
            m_result.truncatedFiles.append(file.path);
        m_total += int(file.transactions.size());
        m_result.metadata += file.metadata;
        m_result.unparseable += file.unparseable;
        m_result.splitsNotAddingUp += file.splitsNotAddingUp;
        m_result.splitsTooLong += file.splitsTooLong;
        m_result.textsCut += file.textsCut;
        if (!file.readable)
            m_result.unreadableFiles.append(file.path);
    }
}

ImportResult ImportService::Run::execute(const NewAccounts &newAccounts)
{
    CategoryRepository *categories = m_service->m_categories;
    // Listeners hear about the import once, after it, not once per row.
    ChangeBatch batch({newAccounts.repository, m_service->m_transactions, nullptr, nullptr});
    m_batch = &batch;
    {
        const QSignalBlocker blockCategories(categories);
        // BEGIN IMMEDIATE: another writer is waited for here, before any
        // row, and a lock that outlasts the wait fails the whole import.
        DbTransaction tx(m_service->m_splitLines->connection());
        m_tx = &tx;
        if (!tx.isActive()) {
            m_storeProblem = storeProblemOf(m_service->m_splitLines->connection());
            abort("cannot begin a database transaction");
        } else if (createAccounts(newAccounts)) {
            // A large import indexes its rows for search once, at the end.
            BulkWrite bulk(m_service->m_splitLines->connection(), m_total);
            createListedCategories();
            if (storeStillWritable()) {
                for (const ImportFile &file : m_files) {
                    if (!importFile(file))
                        break;
                }
            }
            if (!m_result.rolledBack())
                finishStatements();
            if (!m_result.rolledBack() && !bulk.finish()) {
                m_storeProblem = storeProblemOf(m_service->m_splitLines->connection());
                abort("cannot index the imported rows");
            }
            if (!m_result.rolledBack() && !tx.commit())
                abort("commit failed", commitProblemOf(tx.error()));
            if (m_result.rolledBack())
                tx.rollback();  // the triggers come back with the rest
        }
        m_tx = nullptr;
        if (m_result.rolledBack()) {
            tx.rollback();
            m_result.imported = 0;
            m_result.transfersLinked = 0;
            m_result.categoriesCreated = 0;
            m_result.accountsCreated = 0;
            m_result.balances.clear();
        }
        Q_EMIT m_service->progress(m_total, m_total);
    }
    m_batch = nullptr;
    if (!m_result.rolledBack()) {
        batch.publish();
        if (m_result.categoriesCreated > 0)
            Q_EMIT categories->categoriesChanged();
    }
    return m_result;
}

bool ImportService::Run::createAccounts(const NewAccounts &newAccounts)
{
    QList<Account> live;
    if (newAccounts.reuseSameName && newAccounts.repository)
        live = newAccounts.repository->listLive();
    for (auto it = newAccounts.bySourceKey.cbegin(); it != newAccounts.bySourceKey.cend(); ++it) {
        if (m_mapping.value(it.key()) != ImportService::createMarker())
            continue;
        const auto same = std::find_if(live.cbegin(), live.cend(), [&it](const Account &a) {
            return a.name.compare(it.value().name, Qt::CaseInsensitive) == 0;
        });
        if (same != live.cend()) {
            m_mapping.insert(it.key(), same->id);
            continue;
        }
        if (!newAccounts.repository || !written(newAccounts.repository->insert(it.value()))) {
            qWarning().noquote() << "QIF import: cannot create account" << it.value().name;
            abort("cannot create an account");
            return false;
        }
        m_mapping.insert(it.key(), it.value().id);
        m_currencies.insert(it.value().id, int(it.value().currency));
        ++m_result.accountsCreated;
        m_batch->touchAccounts();
    }
    return true;
}

void ImportService::Run::createListedCategories()
{
    const QList<Category> existing = m_service->m_categories->list();
    // Where two categories share a name the first listed one is used, every time.
    for (const Category &c : existing) {
        const QString key = c.name.toLower();
        if (!m_categoryIds.contains(key))
            m_categoryIds.insert(key, c.id);
    }
    for (const ImportFile &file : m_files) {
        for (const ParsedCategory &c : file.categories)
            categoryId(c.name, c.income ? CategoryType::Income : CategoryType::Expense);
    }
}

QString ImportService::Run::categoryId(const QString &name, CategoryType type)
{
    if (name.isEmpty())
        return QString();
    const QString key = name.toLower();
    const auto found = m_categoryIds.constFind(key);
    if (found != m_categoryIds.cend())
        return *found;
    Category c;
    c.id = Ids::newId();
    c.name = name;
    c.type = type;
    c.createdAt = m_now;
    c.updatedAt = m_now;
    if (!written(m_service->m_categories->insert(c)))
        return QString();
    ++m_result.categoriesCreated;
    m_categoryIds.insert(key, c.id);
    return c.id;
}

QString ImportService::Run::splitCategoryId(const ParsedSplit &split)
{
    // A split line must name a category. A line that moves money to another
    // account gets one named like the account in brackets, as the file wrote it.
    if (!split.category.isEmpty())
        return categoryId(split.category);
    if (!split.transferAccount.isEmpty())
        return categoryId(QLatin1Char('[') + split.transferAccount + QLatin1Char(']'), CategoryType::Transfer);
    return categoryId(QCoreApplication::translate("ImportService", "Uncategorized"));
}

QString ImportService::Run::targetFor(const QString &key) const
{
    const QString target = m_mapping.value(key);
    if (target == ImportService::createMarker() || target == ImportService::skipMarker())
        return QString();
    return target;
}

QHash<QString, int> &ImportService::Run::heldKeys(const QString &accountId,
                                                  const QHash<QString, QHash<QString, int>> &insertedInFile)
{
    auto it = m_held.find(accountId);
    if (it != m_held.end())
        return *it;
    // Read when first needed, which may be half-way through a file: the rows
    // this file has brought in so far are in the store already, but they are
    // not rows held before the file.
    QHash<QString, int> &keys = m_held[accountId];
    const QList<Transaction> existing = m_service->m_transactions->listByAccount(accountId);
    for (const Transaction &t : existing)
        ++keys[duplicateKey(t.date, t.amount, t.payee)];
    const QHash<QString, int> inserted = insertedInFile.value(accountId);
    for (auto row = inserted.cbegin(); row != inserted.cend(); ++row)
        keys[row.key()] -= row.value();
    return keys;
}

bool ImportService::Run::viewOnly(const QString &accountId)
{
    // An account shared with the user to view only takes no rows: the
    // service would refuse every one of them.
    if (accountId.isEmpty() || !m_service->m_preferences)
        return false;
    auto known = m_viewOnly.constFind(accountId);
    if (known == m_viewOnly.cend())
        known = m_viewOnly.insert(accountId, SharedAccess(m_service->m_preferences).isViewOnly(accountId));
    return *known;
}

int ImportService::Run::currencyOf(const QString &accountId)
{
    const auto known = m_currencies.constFind(accountId);
    if (known != m_currencies.cend())
        return *known;
    int currency = int(Currency::USD);
    if (m_service->m_accounts) {
        if (const std::optional<Account> account = m_service->m_accounts->findById(accountId))
            currency = int(account->currency);
    }
    m_currencies.insert(accountId, currency);
    return currency;
}

qint64 ImportService::Run::inUnitsOf(const QString &accountId, qint64 cents)
{
    if (Money::decimals(currencyOf(accountId)) == 2)
        return cents;
    // Whole units, rounded half away from zero.
    return cents >= 0 ? (cents + 50) / 100 : -((-cents + 50) / 100);
}

bool ImportService::Run::importFile(const ImportFile &file)
{
    // Duplicates count as a multiset: the n-th record with a key in this file
    // is a duplicate only when the account held n rows with that key before
    // the file, so twins inside one file both arrive.
    QHash<QString, QHash<QString, int>> seenInFile;
    QHash<QString, QHash<QString, int>> insertedInFile;
    m_targetCache.clear();
    m_fileFitids.clear();
    for (const ParsedTransaction &record : file.transactions) {
        if (!importRecord(file, record, seenInFile, insertedInFile) || (m_writeFailed && !storeStillWritable()))
            return false;
    }
    // An account not read yet is read from the store when first needed,
    // with this file's rows in it.
    for (auto account = insertedInFile.cbegin(); account != insertedInFile.cend(); ++account) {
        const auto held = m_held.find(account.key());
        if (held == m_held.end())
            continue;
        for (auto key = account->cbegin(); key != account->cend(); ++key)
            (*held)[key.key()] += key.value();
    }
    return true;
}

bool ImportService::Run::importRecord(const ImportFile &file, const ParsedTransaction &record,
                                      QHash<QString, QHash<QString, int>> &seenInFile,
                                      QHash<QString, QHash<QString, int>> &insertedInFile)
{
    if (++m_done % ImportService::kProgressInterval == 0 && !reportProgress())
        return false;

    auto cached = m_targetCache.constFind(record.sourceAccount);
    if (cached == m_targetCache.cend()) {
        QString resolved = file.isOfx ? statementTarget(file, record.sourceAccount)
                                      : targetFor(sourceKey(record.sourceAccount, file.path));
        if (viewOnly(resolved))
            resolved.clear();
        cached = m_targetCache.insert(record.sourceAccount, resolved);
    }
    const QString target = *cached;
    if (target.isEmpty()) {
        ++m_result.unmapped;
        return true;
    }

    const QString payee = payeeFor(record);
    const qint64 amount = file.amountsInCents ? inUnitsOf(target, record.amount) : record.amount;
    const QString key = duplicateKey(record.date, amount, payee);
    QString fitid = record.fitid;
    if (!fitid.isEmpty() && settledByFitid(target, record, amount, key, &fitid))
        return !m_result.rolledBack();
    if (fitid.isEmpty()) {
        const int nth = ++seenInFile[target][key];
        if (nth <= heldKeys(target, insertedInFile).value(key)) {
            ++m_result.duplicates;
            return true;
        }
    }

    Transaction t;
    t.id = Ids::newId();
    t.accountId = target;
    t.date = record.date;
    t.payee = payee;
    t.memo = record.memo;
    t.amount = amount;
    t.checkNumber = record.number;
    t.cleared = record.cleared;
    t.reconciled = record.reconciled;
    t.isSplit = !record.splits.isEmpty();
    // A split transaction takes its categories from its lines only.
    t.categoryId = t.isSplit ? QString() : categoryId(record.category);
    t.createdAt = m_now;
    t.updatedAt = m_now;

    QString destination;
    Candidate *partner = nullptr;
    if (!record.transferAccount.isEmpty()) {
        destination = targetFor(record.transferAccount.toLower());
        // A transfer to its own account stays a plain row, and so does one
        // between accounts of different currencies: its sides cannot match.
        if (destination == target || (!destination.isEmpty() && currencyOf(destination) != currencyOf(target)))
            destination.clear();
        if (!destination.isEmpty())
            partner = findPartner(destination, target, t.date, t.amount);
    }
    if (partner) {
        t.transferLinkId = partner->id;
        t.transferDestAccountId = destination;
    }

    QList<SplitLine> lines;
    lines.reserve(record.splits.size());
    // Lines are converted by their running total, so lines that add up to the
    // amount in cents still add up to it after rounding to whole units.
    qint64 centsSoFar = 0;
    qint64 unitsSoFar = 0;
    for (const ParsedSplit &split : record.splits) {
        qint64 part = split.amount;
        if (file.amountsInCents) {
            centsSoFar += split.amount;
            part = inUnitsOf(target, centsSoFar) - unitsSoFar;
            unitsSoFar += part;
        }
        lines.append({Ids::newId(), t.id, splitCategoryId(split), part, split.memo, m_now, m_now});
    }

    if (!insertWithLines(t, lines)) {
        qWarning().noquote() << "QIF import: insert failed for" << SqlValue::date(t.date) << t.payee << "amount"
                             << t.amount << "account" << t.accountId;
        ++m_result.databaseErrors;
        return true;
    }
    // A row without its FITID would come in again with the next download:
    // rather than that, nothing of the import is kept. (A savepoint per row
    // would cost more than the rest of the import together.)
    if (!fitid.isEmpty()) {
        if (!written(m_importIds.insert(target, fitid, t.id, m_now))) {
            abort("cannot record the bank's id of a row");
            return false;
        }
        m_fitids[target].insert(fitid, t.id);
    }
    ++m_result.imported;
    ++insertedInFile[target][key];
    m_batch->touchTransactions(target);

    if (partner)
        return linkPartner(partner, t);
    if (!destination.isEmpty())
        m_candidates[candidateKey(target, t.date, t.amount)].append({t.id, destination, false});
    return true;
}

bool ImportService::Run::insertWithLines(const Transaction &t, const QList<SplitLine> &lines)
{
    if (lines.isEmpty())
        return written(m_service->m_transactions->insert(t));
    // A row with some of its lines missing would be worse than no row.
    DbTransaction rowTx(m_service->m_splitLines->connection());
    if (!written(rowTx.isActive()) || !written(m_service->m_transactions->insert(t)))
        return false;
    for (const SplitLine &line : lines) {
        if (!written(m_service->m_splitLines->insert(line)))
            return false;
    }
    return rowTx.commit();
}

bool ImportService::Run::settledByFitid(const QString &target, const ParsedTransaction &record, qint64 amount,
                                        const QString &key, QString *fitid)
{
    const QString inFile = target + QLatin1Char('\n') + *fitid;
    const auto first = m_fileFitids.constFind(inFile);
    if (first != m_fileFitids.cend() && (first->first != record.date || first->second != amount)) {
        // The bank gave one id to two different rows of this file: the
        // second goes by the QIF rule, without an id.
        fitid->clear();
        return false;
    }
    if (first == m_fileFitids.cend())
        m_fileFitids.insert(inFile, {record.date, amount});

    QHash<QString, QString> *known = fitidsOf(target);
    if (!known)
        return true;
    // Seen before in this account: a duplicate, even when the user has
    // deleted its row since, on purpose.
    if (known->contains(*fitid)) {
        ++m_result.duplicates;
        return true;
    }
    // A row already here without an id (typed, imported from QIF, or synced
    // from another device) is this one: it takes the id.
    // Looked up, not added: most rows of a download have no twin here.
    QHash<QString, QStringList> &unclaimed = unclaimedOf(target);
    const auto same = unclaimed.find(key);
    if (same == unclaimed.end() || same->isEmpty())
        return false;
    const QString existing = same->takeFirst();
    if (!written(m_importIds.insert(target, *fitid, existing, m_now))) {
        qWarning().noquote() << "OFX import: cannot record the id of" << existing;
        ++m_result.databaseErrors;
        return true;
    }
    known->insert(*fitid, existing);
    ++m_result.duplicates;
    return true;
}

QHash<QString, QString> *ImportService::Run::fitidsOf(const QString &accountId)
{
    auto it = m_fitids.find(accountId);
    if (it != m_fitids.end())
        return &*it;
    QHash<QString, QString> ids;
    if (!written(m_importIds.forAccount(accountId, &ids))) {
        abort("cannot read the bank's transaction ids");
        return nullptr;
    }
    return &*m_fitids.insert(accountId, std::move(ids));
}

QHash<QString, QStringList> &ImportService::Run::unclaimedOf(const QString &accountId)
{
    auto it = m_unclaimed.find(accountId);
    if (it != m_unclaimed.end())
        return *it;
    QHash<QString, QStringList> &rows = m_unclaimed[accountId];
    QSet<QString> claimed;
    if (const QHash<QString, QString> *known = fitidsOf(accountId)) {
        for (const QString &id : *known)
            claimed.insert(id);
    }
    const QList<Transaction> existing = m_service->m_transactions->listByAccount(accountId);
    for (const Transaction &t : existing) {
        if (!claimed.contains(t.id))
            rows[duplicateKey(t.date, t.amount, t.payee)].append(t.id);
    }
    return rows;
}

QString ImportService::Run::statementTarget(const ImportFile &file, const QString &sourceAccount)
{
    const QString target = targetFor(sourceKey(sourceAccount, file.path));
    if (target.isEmpty())
        return target;
    for (const StatementAccount &statement : file.statements) {
        if (statement.key == sourceAccount && statement.currency != currencyOf(target)) {
            // Yen rows in a dollar account would be read as cents.
            qWarning().noquote() << "OFX import: statement in" << statement.currencyCode
                                 << "not imported into an account of another currency";
            return QString();
        }
    }
    return target;
}

void ImportService::Run::finishStatements()
{
    QJsonObject remembered;
    PreferencesRepository *preferences = m_service->m_preferences;
    if (preferences)
        remembered = preferences->getObject(ImportService::statementMapKey());
    const QJsonObject before = remembered;
    QHash<QString, int> balanceOf;  // account id -> index in m_result.balances
    for (const ImportFile &file : m_files) {
        for (const StatementAccount &statement : file.statements) {
            const QString target = statementTarget(file, statement.key);
            if (target.isEmpty())
                continue;
            remembered.insert(statement.key, target);
            if (!statement.hasLedgerBalance || !statement.ledgerDate.isValid())
                continue;
            StatementBalance balance;
            balance.accountId = target;
            balance.currency = currencyOf(target);
            balance.date = statement.ledgerDate;
            balance.bank = statement.ledgerBalance;
            const auto seen = balanceOf.constFind(target);
            if (seen != balanceOf.cend()) {
                // Two statements for one account: the later one.
                if (m_result.balances.at(*seen).date <= balance.date)
                    m_result.balances[*seen] = balance;
                continue;
            }
            balanceOf.insert(target, int(m_result.balances.size()));
            m_result.balances.append(balance);
        }
    }
    for (StatementBalance &balance : m_result.balances) {
        qint64 starting = 0;
        if (m_service->m_accounts) {
            if (const std::optional<Account> account = m_service->m_accounts->findById(balance.accountId)) {
                starting = account->startingBalance;
                balance.accountName = account->name;
            }
        }
        balance.cleared = starting + m_service->m_transactions->clearedTotal(balance.accountId, balance.date);
    }
    if (preferences && remembered != before
        && !written(preferences->setObject(ImportService::statementMapKey(), remembered))) {
        qWarning() << "OFX import: cannot remember the statement accounts";
    }
}

bool ImportService::Run::written(bool ok)
{
    if (ok)
        return true;
    m_writeFailed = true;
    if (m_storeProblem == Stop::None)
        m_storeProblem = storeProblemOf(m_service->m_splitLines->connection());
    return false;
}

bool ImportService::Run::storeStillWritable()
{
    if (m_result.rolledBack())
        return false;
    if (m_storeProblem != Stop::None) {
        abort(reasonFor(m_storeProblem));
        return false;
    }
    // SQLite's own flag: no statement runs.
    if (!m_tx->isActive()) {
        abort("the database ended the transaction by itself");
        return false;
    }
    // A bad row: it alone is skipped.
    m_writeFailed = false;
    return true;
}

bool ImportService::Run::linkPartner(Candidate *partner, const Transaction &t)
{
    std::optional<Transaction> stored = m_service->m_transactions->getById(partner->id);
    if (!stored) {
        abort("retroactive candidate lost its hint");
        return false;
    }
    stored->transferLinkId = t.id;
    stored->transferDestAccountId = t.accountId;
    stored->updatedAt = m_now;
    if (!written(m_service->m_transactions->update(*stored))) {
        abort("failed to update retroactive partner");
        return false;
    }
    partner->linked = true;
    ++m_result.transfersLinked;
    return true;
}

ImportService::Run::Candidate *ImportService::Run::findPartner(const QString &destination, const QString &target,
                                                               const QDate &date, qint64 amount)
{
    auto it = m_candidates.find(candidateKey(destination, date, -amount));
    if (it == m_candidates.end())
        return nullptr;
    for (Candidate &c : *it) {
        if (!c.linked && c.transferTarget == target)
            return &c;
    }
    return nullptr;
}

bool ImportService::Run::reportProgress()
{
    Q_EMIT m_service->progress(m_done, m_total);
    if (QCoreApplication::instance()) {
        // The one place the import lets the window repaint and see its
        // Cancel button; network replies wait until the import is over.
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::ExcludeSocketNotifiers, 5);
    }
    if (m_service->m_cancelRequested) {
        qInfo() << "QIF import cancelled by the user";
        m_result.cancelled = true;
        return false;
    }
    // Whatever ran meanwhile must not have ended the import's transaction.
    return storeStillWritable();
}

void ImportService::Run::abort(const char *reason, Stop stop)
{
    qWarning().noquote() << "QIF import aborted:" << reason;
    m_result.aborted = true;
    // What the database said first is the cause; later failures follow from it.
    m_result.stop = m_storeProblem != Stop::None ? m_storeProblem : stop;
}

QString ImportService::Run::payeeFor(const ParsedTransaction &record)
{
    if (!record.payee.isEmpty())
        return record.payee;
    if (!record.security.isEmpty() && !record.number.isEmpty())
        return QStringLiteral("%1: %2").arg(record.security, record.number);
    if (!record.security.isEmpty())
        return record.security;
    if (!record.number.isEmpty())
        return record.number;
    if (!record.transferAccount.isEmpty())
        return record.transferAccount;
    return QCoreApplication::translate("ImportService", "Imported transaction");
}

QString ImportService::Run::duplicateKey(const QDate &date, qint64 amount, const QString &payee)
{
    return SqlValue::date(date) + QLatin1Char('|') + QString::number(amount) + QLatin1Char('|') + payee;
}

QString ImportService::Run::candidateKey(const QString &accountId, const QDate &date, qint64 amount)
{
    return accountId + QLatin1Char('|') + SqlValue::date(date) + QLatin1Char('|') + QString::number(amount);
}
