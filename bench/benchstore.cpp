#include "bench/benchstore.h"

#include "services/categoryservice.h"

BenchStore::BenchStore(const QString &path)
{
    if (!store.open(path))
        qFatal("bench: cannot open or migrate %s", qPrintable(path));
    static_cast<Repositories &>(*this) = store.repositories();
    services = std::make_unique<Services>(store);
    services->categories()->seedDefaultsIfEmpty();
}

BenchStore::~BenchStore()
{
    services.reset();
}
