#pragma once

#include "services/reportrecords.h"

#include <QObject>
#include <QSet>
#include <QString>

#include <memory>

class Database;
class QIODevice;
class QThread;
class ReportCancellation;
class ReportWorker;

// The eight reports over the store. run() and writeCsv() work at once on
// the store's own connection (the command line, the tests); start() and
// startCsvExport() work on a thread of their own with a read-only
// connection, so that a window stays responsive over a large store while
// the app goes on writing (the store is in WAL mode, so reads never wait for
// writes). Their answers arrive as signals on this object's thread, in the
// order they were asked for; cancel() calls one off.
class ReportService : public QObject
{
    Q_OBJECT
public:
    static constexpr int kNoLimit = -1;

    // How start() hands over a Transactions report that leaves rows out:
    // whole, or its rows first and then the whole report with the totals,
    // which need every matching row read.
    enum class Delivery { Whole, RowsFirst };

    explicit ReportService(Database *database, QObject *parent = nullptr);
    ~ReportService() override;

    // rowLimit bounds the rows of single transactions the Transactions
    // report keeps (the newest ones); the report says when it left some out.
    Report run(const ReportRequest &request, int rowLimit = kNoLimit);
    // Every row of the report as CSV; false with error set when the store
    // or the device failed.
    bool writeCsv(const ReportRequest &request, QIODevice *out, QString *error);
    // The same into a file, replaced only when the whole report was written.
    bool exportCsv(const ReportRequest &request, const QString &path, QString *error);

    // Returns the ticket that reportReady (and totalsReady) or csvExported
    // will carry.
    quint64 start(const ReportRequest &request, int rowLimit = kNoLimit, Delivery delivery = Delivery::Whole);
    quint64 startCsvExport(const ReportRequest &request, const QString &path);
    // Calls off a report or export asked for earlier: no answer comes for
    // it any more, and when it is being made, its statement stops at once.
    void cancel(quint64 ticket);

Q_SIGNALS:
    // With totalsPending set, the report's totals follow in totalsReady.
    void reportReady(quint64 ticket, const Report &report);
    // The whole report of a ticket whose rows came first.
    void totalsReady(quint64 ticket, const Report &report);
    void csvExported(quint64 ticket, bool ok, const QString &error);

private:
    ReportWorker *worker();
    // Whether an answer for the ticket is passed on: not when it was called off.
    bool delivers(quint64 ticket);

    Database *m_database;
    QThread *m_thread = nullptr;
    ReportWorker *m_worker = nullptr;
    std::shared_ptr<ReportCancellation> m_cancellation;
    QSet<quint64> m_dropped;  // called off, their answers not yet all seen
    quint64 m_lastTicket = 0;
};
