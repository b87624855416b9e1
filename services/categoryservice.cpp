#include "services/categoryservice.h"

#include "data/categoryrepository.h"
#include "data/clock.h"
#include "data/dbtransaction.h"
#include "data/ids.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/changebatch.h"
#include "services/stamps.h"

#include <QCoreApplication>
#include <QSignalBlocker>
#include <QUuid>

namespace {

struct DefaultCategory {
    const char *name;
    const char *type;
    const char *parent;  // nullptr at the top level
    const char *taxCode; // nullptr when not tax-relevant
};

// Children follow their parent.
const DefaultCategory kDefaults[] = {
    {QT_TRANSLATE_NOOP("CategoryService", "Charitable Donations"), "expense", nullptr, "charitable_contributions"},
    {QT_TRANSLATE_NOOP("CategoryService", "Medical Expenses"), "expense", nullptr, "medical_dental"},
    {QT_TRANSLATE_NOOP("CategoryService", "Business Expenses"), "expense", nullptr, "business_expense"},
    {QT_TRANSLATE_NOOP("CategoryService", "Home Office"), "expense", "Business Expenses", "home_office"},
    {QT_TRANSLATE_NOOP("CategoryService", "Education Expenses"), "expense", nullptr, "education"},
    {QT_TRANSLATE_NOOP("CategoryService", "State & Local Taxes"), "expense", nullptr, "salt"},
    {QT_TRANSLATE_NOOP("CategoryService", "Mortgage Interest"), "expense", nullptr, "mortgage_interest"},
    {QT_TRANSLATE_NOOP("CategoryService", "Property Tax"), "expense", nullptr, "schedule_a_property_tax"},
    {QT_TRANSLATE_NOOP("CategoryService", "Housing"), "expense", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Rent/Mortgage Payment"), "expense", "Housing", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Maintenance"), "expense", "Housing", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "HOA"), "expense", "Housing", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Utilities"), "expense", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Electric"), "expense", "Utilities", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Gas"), "expense", "Utilities", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Water"), "expense", "Utilities", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Internet"), "expense", "Utilities", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Phone"), "expense", "Utilities", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Transportation"), "expense", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Gas/Fuel"), "expense", "Transportation", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Car Payment"), "expense", "Transportation", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Auto Insurance"), "expense", "Transportation", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Maintenance"), "expense", "Transportation", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Public Transit"), "expense", "Transportation", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Groceries"), "expense", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Dining & Restaurants"), "expense", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Personal Care"), "expense", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Pets"), "expense", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Subscriptions"), "expense", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Gifts"), "expense", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Miscellaneous"), "expense", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Entertainment"), "expense", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Streaming"), "expense", "Entertainment", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Movies"), "expense", "Entertainment", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Events"), "expense", "Entertainment", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Shopping"), "expense", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Clothing"), "expense", "Shopping", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Electronics"), "expense", "Shopping", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Household"), "expense", "Shopping", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Insurance"), "expense", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Health"), "expense", "Insurance", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Life"), "expense", "Insurance", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Home/Renters"), "expense", "Insurance", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Auto"), "expense", "Insurance", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Fees & Charges"), "expense", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Bank Fees"), "expense", "Fees & Charges", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "ATM Fees"), "expense", "Fees & Charges", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Late Fees"), "expense", "Fees & Charges", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Salary / Wages"), "income", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Interest Income"), "income", nullptr, "interest_income"},
    {QT_TRANSLATE_NOOP("CategoryService", "Dividend Income"), "income", nullptr, "dividend_income"},
    {QT_TRANSLATE_NOOP("CategoryService", "Rental Income"), "income", nullptr, "rental_income"},
    {QT_TRANSLATE_NOOP("CategoryService", "Freelance / Consulting"), "income", nullptr, "self_employment"},
    {QT_TRANSLATE_NOOP("CategoryService", "Refunds"), "income", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Gifts Received"), "income", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Other Income"), "income", nullptr, nullptr},
};

} // namespace

CategoryService::CategoryService(const Repositories &store, QObject *parent)
    : QObject(parent)
    , m_categories(store.categories)
    , m_transactions(store.transactions)
    , m_splitLines(store.splitLines)
    , m_recurring(store.recurring)
{
}

QString CategoryService::defaultCategoryId(const QString &typeCode, const QString &parentName, const QString &name)
{
    static const QUuid dnsNamespace(QStringLiteral("{6ba7b810-9dad-11d1-80b4-00c04fd430c8}"));
    return Ids::nameBased(dnsNamespace, QStringLiteral("%1:%2:%3").arg(typeCode, parentName, name));
}

void CategoryService::seedDefaultsIfEmpty()
{
    if (m_categories->liveCount() == 0)
        seedDefaults();
}

bool CategoryService::addCategory(Category c, QString *storedId)
{
    Stamps::asNew(c, Clock::nowUtc());
    if (!m_categories->insert(c))
        return false;
    if (storedId)
        *storedId = c.id;
    return true;
}

bool CategoryService::updateCategory(const Category &edited)
{
    const std::optional<Category> stored = m_categories->findById(edited.id);
    if (!stored || stored->isDeleted())
        return false;
    Category c = edited;
    Stamps::asEdit(c, *stored, Clock::nowUtc());
    return m_categories->update(c);
}

namespace {

// Writes change over a copy of each stored record as the user's edit of it.
template <typename Record, typename Change, typename Write>
bool editEach(const QList<Record> &records, const QDateTime &now, Change change, Write write)
{
    for (const Record &stored : records) {
        Record r = stored;
        change(r);
        Stamps::asEdit(r, stored, now);
        if (!write(r))
            return false;
    }
    return true;
}

} // namespace

bool CategoryService::deleteCategory(const QString &categoryId)
{
    const std::optional<Category> doomed = m_categories->findById(categoryId);
    if (!doomed || doomed->isDeleted())
        return false;
    const QDateTime now = Clock::nowUtc();
    ChangeBatch batch({nullptr, m_transactions, m_recurring, nullptr});
    const auto writeTransaction = [&](const Transaction &t) {
        batch.touchTransactions(t.accountId);
        return m_transactions->update(t);
    };
    // A schedule that kept the category would post rows naming it again.
    const auto writeSchedule = [&](const RecurringTransaction &r) {
        batch.touchRecurring();
        return m_recurring->update(r);
    };
    const auto writeCategory = [&](const Category &c) { return m_categories->update(c); };
    {
        // One announcement of the new tree once everything is written.
        const QSignalBlocker quiet(m_categories);
        DbTransaction tx(m_categories->connection());
        QList<Category> children = m_categories->list();
        children.removeIf([&](const Category &c) { return c.parentId != categoryId; });
        if (!tx.isActive()
            || !editEach(m_transactions->listByCategory(categoryId), now,
                         [](Transaction &t) { t.categoryId.clear(); }, writeTransaction)
            || !moveSplitLines(*doomed, now, batch)
            || !editEach(m_recurring->listByCategory(categoryId), now,
                         [](RecurringTransaction &r) { r.categoryId.clear(); }, writeSchedule)
            || !editEach(children, now, [&](Category &c) { c.parentId = doomed->parentId; }, writeCategory)
            || !m_categories->softDelete(categoryId) || !tx.commit())
            return false;
    }
    batch.publish();
    Q_EMIT m_categories->categoriesChanged();
    return true;
}

bool CategoryService::moveSplitLines(const Category &doomed, const QDateTime &now, ChangeBatch &batch)
{
    const QStringList ids = m_splitLines->transactionsUsing(doomed.id);
    if (ids.isEmpty())
        return true;
    const QString target = uncategorizedId(doomed.id, now);
    if (target.isEmpty())
        return false;
    for (const QString &id : ids) {
        const std::optional<Transaction> stored = m_transactions->getById(id);
        if (!stored)
            return false;
        QList<SplitLine> lines = m_splitLines->linesOf(id);
        for (SplitLine &line : lines) {
            if (line.categoryId == doomed.id) {
                line.categoryId = target;
                line.updatedAt = now;
            }
        }
        // Lines carry no version of their own: their transaction's edit stands for them.
        Transaction t = *stored;
        Stamps::asEdit(t, *stored, now);
        if (!m_splitLines->replaceLines(id, lines) || !m_transactions->update(t))
            return false;
        batch.touchTransactions(t.accountId);
    }
    return true;
}

QString CategoryService::uncategorizedId(const QString &except, const QDateTime &now)
{
    // The same category a file's split lines without one are imported into.
    const QString name = QCoreApplication::translate("ImportService", "Uncategorized");
    for (const Category &c : m_categories->list()) {
        if (c.id != except && c.name.compare(name, Qt::CaseInsensitive) == 0)
            return c.id;
    }
    Category c;
    c.name = name;
    Stamps::asNew(c, now);
    return m_categories->insert(c) ? c.id : QString();
}

void CategoryService::seedDefaults()
{
    m_idByName.clear();
    m_nameById.clear();
    // One commit for the whole tree; a row that fails only skips itself.
    DbTransaction tx(m_categories->connection());
    if (!tx.isActive())
        return;
    for (const DefaultCategory &row : kDefaults) {
        const QString parentId = row.parent ? m_idByName.value(tr(row.parent)) : QString();
        addDefaultCategory(tr(row.name), QString::fromLatin1(row.type), parentId, row.taxCode != nullptr,
                           row.taxCode ? QString::fromLatin1(row.taxCode) : QString());
    }
    tx.commit();
    m_idByName.clear();
    m_nameById.clear();
}

QString CategoryService::addDefaultCategory(const QString &name, const QString &typeCode, const QString &parentId,
                                            bool taxRelevant, const QString &taxCode)
{
    const QString parentName = parentId.isEmpty() ? QString() : m_nameById.value(parentId);
    const QDateTime now = Clock::nowUtc();

    Category c;
    c.id = defaultCategoryId(typeCode, parentName, name);
    c.name = name;
    c.type = Codes::categoryTypeFromCode(typeCode);
    c.parentId = parentId;
    c.isTaxRelevant = taxRelevant;
    c.taxCategory = taxCode;
    c.isDefault = true;
    c.version = 1;
    c.syncStatus = SyncStatus::Pending;
    c.createdAt = now;
    c.updatedAt = now;
    // A failed insert is logged by the repository; its children still refer to this id.
    m_categories->insert(c);

    m_idByName.insert(name, c.id);
    m_nameById.insert(c.id, name);
    return c.id;
}
