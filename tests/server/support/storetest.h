#pragma once

#include "pgcluster.h"
#include "testserver.h"

#include <QObject>
#include <QTest>

// A test class whose cases run once over SQLite and once over a throw-away
// PostgreSQL cluster. Each case gets a fresh server from startServer().
class StoreTest : public QObject
{
public:
    StoreKind kind = StoreKind::Sqlite;
    PgCluster *pg = nullptr;
    QString pgUnavailable;

protected:
    TestServer m_server;
};

// In initTestCase(): without a cluster the PostgreSQL round is skipped.
#define SKIP_WITHOUT_STORE()                                                                                  \
    do {                                                                                                      \
        if (kind == StoreKind::Postgres && !pg)                                                               \
            QSKIP(qPrintable(QStringLiteral("PostgreSQL unavailable: ") + pgUnavailable));                    \
    } while (false)

// In init(): a fresh server over a fresh store.
#define START_SERVER(...)                                                                                     \
    do {                                                                                                      \
        QString why_;                                                                                         \
        if (!m_server.start(kind, pg, &why_, ##__VA_ARGS__))                                                  \
            QFAIL(qPrintable(why_));                                                                          \
    } while (false)

template <class TestClass>
int runOnEveryStore(int argc, char **argv)
{
    int failures = 0;
    {
        TestClass sqlite;
        failures += QTest::qExec(&sqlite, argc, argv);
    }
    PgCluster cluster;
    QString why;
    const bool started = cluster.start(&why);
    TestClass postgres;
    postgres.kind = StoreKind::Postgres;
    postgres.pg = started ? &cluster : nullptr;
    postgres.pgUnavailable = why;
    failures += QTest::qExec(&postgres, argc, argv);
    return failures;
}

#define STORE_TEST_MAIN(TestClass)                                                                            \
    int main(int argc, char **argv)                                                                           \
    {                                                                                                         \
        QCoreApplication app(argc, argv);                                                                     \
        return runOnEveryStore<TestClass>(argc, argv);                                                        \
    }
