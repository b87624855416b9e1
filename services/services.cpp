#include "services/services.h"

#include "data/store.h"
#include "services/accountservice.h"
#include "services/backupservice.h"
#include "services/categoryservice.h"
#include "services/importservice.h"
#include "services/reconciliationservice.h"
#include "services/recurringservice.h"
#include "services/reportservice.h"
#include "services/transactionservice.h"

Services::Services(Store &store)
    : m_categories(std::make_unique<CategoryService>(store.repositories()))
    , m_transactions(std::make_unique<TransactionService>(store.transactions(), store.splitLines(), store.accounts()))
    , m_recurring(std::make_unique<RecurringService>(store.database(), store.recurring(), store.transactions(),
                                                     store.accounts()))
    , m_accounts(std::make_unique<AccountService>(store.database(), store.accounts(), store.transactions(),
                                                  store.recurring(), store.reconciliations()))
    , m_reconciliations(std::make_unique<ReconciliationService>(store.database(), store.accounts(),
                                                                store.transactions(), store.reconciliations()))
    , m_import(std::make_unique<ImportService>(store.transactions(), store.categories(), store.splitLines()))
    , m_backup(std::make_unique<BackupService>(store.database()))
    , m_reports(std::make_unique<ReportService>(store.database()))
{
    m_import->setAccounts(store.accounts());
    m_import->setPreferences(store.preferences());
    m_import->setSafetyCopies(m_backup->safetyCopies());
}

SafetyCopies *Services::safetyCopies() const
{
    return m_backup->safetyCopies();
}

Services::~Services() = default;
