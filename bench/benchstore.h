#pragma once

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"

#include <memory>

// A migrated store at a path with every repository on it and the default
// categories seeded, as the app opens it.
struct BenchStore {
    explicit BenchStore(const QString &path);
    ~BenchStore();

    QSqlDatabase connection() const { return db->connection(); }

    std::unique_ptr<Database> db;
    std::unique_ptr<AccountRepository> accounts;
    std::unique_ptr<TransactionRepository> transactions;
    std::unique_ptr<CategoryRepository> categories;
    std::unique_ptr<PreferencesRepository> preferences;
    std::unique_ptr<SplitLineRepository> splitLines;
    std::unique_ptr<RecurringRepository> recurring;
    std::unique_ptr<ReconciliationRepository> reconciliations;
};
