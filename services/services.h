#pragma once

#include <memory>

class AccountService;
class BackupService;
class CategoryService;
class ImportService;
class ReconciliationService;
class RecurringService;
class ReportService;
class SafetyCopies;
class Store;
class TransactionService;

// Every service of the app, built once over an open store. Whatever writes a
// record (the screens, the command-line tool, the tests, the benchmarks) asks
// one of these, so the rules of a write (stamps, transfers, splits, one
// database transaction) live in one place.
class Services
{
public:
    explicit Services(Store &store);
    ~Services();

    Services(const Services &) = delete;
    Services &operator=(const Services &) = delete;

    CategoryService *categories() const { return m_categories.get(); }
    TransactionService *transactions() const { return m_transactions.get(); }
    RecurringService *recurring() const { return m_recurring.get(); }
    AccountService *accounts() const { return m_accounts.get(); }
    ReconciliationService *reconciliations() const { return m_reconciliations.get(); }
    ImportService *import() const { return m_import.get(); }
    BackupService *backup() const { return m_backup.get(); }
    // The backup service's: one keeper of the copies beside the store.
    SafetyCopies *safetyCopies() const;
    ReportService *reports() const { return m_reports.get(); }

private:
    std::unique_ptr<CategoryService> m_categories;
    std::unique_ptr<TransactionService> m_transactions;
    std::unique_ptr<RecurringService> m_recurring;
    std::unique_ptr<AccountService> m_accounts;
    std::unique_ptr<ReconciliationService> m_reconciliations;
    std::unique_ptr<ImportService> m_import;
    std::unique_ptr<BackupService> m_backup;
    std::unique_ptr<ReportService> m_reports;
};
