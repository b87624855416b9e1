#include "bench/benchstore.h"

#include "bench/generator.h"
#include "data/clock.h"
#include "data/dbtransaction.h"
#include "data/ids.h"
#include "data/sqlvalue.h"
#include "services/categoryservice.h"

#include <QSqlQuery>

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

void fillWithSplits(BenchStore &store, int accountCount, int transactions, int splitLines)
{
    StoreGenerator gen;
    QStringList accounts;
    for (int i = 0; i < accountCount; ++i)
        accounts.append(gen.addAccount(store.connection(), QStringLiteral("Account %1").arg(i)));
    QStringList ids;
    for (int i = 0; i < accountCount; ++i)
        ids += gen.addTransactions(store.connection(), accounts.at(i),
                                   transactions / accountCount + (i < transactions % accountCount));

    QStringList categories;
    QSqlQuery c(store.connection());
    c.exec(QStringLiteral("SELECT id FROM categories ORDER BY id"));
    while (c.next())
        categories.append(c.value(0).toString());

    DbTransaction tx(store.connection());
    QSqlQuery line(store.connection());
    line.prepare(QStringLiteral("INSERT INTO split_lines (id, transaction_id, category_id, amount, memo, created_at, "
                                "updated_at) VALUES (?, ?, ?, ?, ?, ?, ?)"));
    QSqlQuery mark(store.connection());
    mark.prepare(QStringLiteral("UPDATE transactions SET is_split = 1 WHERE id = ?"));
    const QString stamp = SqlValue::timestamp(Clock::nowUtc());
    for (int i = 0; i < splitLines && !ids.isEmpty(); ++i) {
        const QString &tid = ids.at((i / 2) * 7 % ids.size());
        line.bindValue(0, Ids::newId());
        line.bindValue(1, tid);
        line.bindValue(2, categories.at(gen.random().bounded(int(categories.size()))));
        line.bindValue(3, -qint64(100 + gen.random().bounded(10000)));
        line.bindValue(4, i % 3 == 0 ? QStringLiteral("part of a split") : QString());
        line.bindValue(5, stamp);
        line.bindValue(6, stamp);
        line.exec();
        if (i % 2 == 0) {
            mark.bindValue(0, tid);
            mark.exec();
        }
    }
    tx.commit();
}
