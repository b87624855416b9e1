#pragma once

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/store.h"
#include "data/transactionrepository.h"
#include "services/services.h"

#include <memory>

// A migrated store at a path with every repository on it and the default
// categories seeded, as the app opens it.
struct BenchStore : Repositories {
    explicit BenchStore(const QString &path);
    ~BenchStore();

    QSqlDatabase connection() const { return db->connection(); }

    Store store;
    std::unique_ptr<Services> services;
};

// Fills a store: accountCount accounts, transactions spread over them, and
// split lines, two to a split transaction.
void fillWithSplits(BenchStore &store, int accountCount, int transactions, int splitLines);
