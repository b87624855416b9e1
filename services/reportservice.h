#pragma once

#include "services/reportrecords.h"

#include <QObject>
#include <QString>

class Database;
class QIODevice;
class QThread;
class ReportWorker;

// The eight reports over the store. run() and writeCsv() work at once on
// the store's own connection (the command line, the tests); start() and
// startCsvExport() work on a thread of their own with a read-only
// connection, so that a window stays responsive over a large store while
// the app goes on writing (the store is in WAL mode, so reads never wait for
// writes). Their answers arrive as signals on this object's thread.
class ReportService : public QObject
{
    Q_OBJECT
public:
    static constexpr int kNoLimit = -1;

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

    // Returns the ticket that reportReady or csvExported will carry.
    quint64 start(const ReportRequest &request, int rowLimit = kNoLimit);
    quint64 startCsvExport(const ReportRequest &request, const QString &path);

Q_SIGNALS:
    void reportReady(quint64 ticket, const Report &report);
    void csvExported(quint64 ticket, bool ok, const QString &error);

private:
    ReportWorker *worker();

    Database *m_database;
    QThread *m_thread = nullptr;
    ReportWorker *m_worker = nullptr;
    quint64 m_lastTicket = 0;
};
