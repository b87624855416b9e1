#include "bench/benchstore.h"

#include "services/categoryservice.h"

#include <QFile>

BenchStore::BenchStore(const QString &path)
{
    db = std::make_unique<Database>();
    if (!db->open(path) || !db->runMigrations())
        qFatal("bench: cannot open or migrate %s", qPrintable(path));
    accounts = std::make_unique<AccountRepository>(db.get());
    transactions = std::make_unique<TransactionRepository>(db.get());
    categories = std::make_unique<CategoryRepository>(db.get());
    preferences = std::make_unique<PreferencesRepository>(db.get());
    splitLines = std::make_unique<SplitLineRepository>(db.get());
    recurring = std::make_unique<RecurringRepository>(db.get());
    reconciliations = std::make_unique<ReconciliationRepository>(db.get());
    CategoryService(categories.get()).seedDefaultsIfEmpty();
}

BenchStore::~BenchStore()
{
    reconciliations.reset();
    recurring.reset();
    splitLines.reset();
    preferences.reset();
    categories.reset();
    transactions.reset();
    accounts.reset();
    db.reset();
}
