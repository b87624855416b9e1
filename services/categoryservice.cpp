#include "services/categoryservice.h"

#include "data/categoryrepository.h"
#include "data/clock.h"
#include "data/dbtransaction.h"
#include "data/ids.h"
#include "services/stamps.h"

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

CategoryService::CategoryService(CategoryRepository *categories, QObject *parent)
    : QObject(parent)
    , m_categories(categories)
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

bool CategoryService::deleteCategory(const QString &categoryId)
{
    return m_categories->softDelete(categoryId);
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
