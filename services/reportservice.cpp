#include "services/reportservice.h"

#include "data/database.h"
#include "services/reportbuilder.h"
#include "services/reportcsv.h"
#include "services/reportworker.h"

#include <QThread>

ReportService::ReportService(Database *database, QObject *parent)
    : QObject(parent)
    , m_database(database)
{
    qRegisterMetaType<ReportRequest>();
    qRegisterMetaType<Report>();
}

ReportService::~ReportService()
{
    if (m_thread) {
        // The worker goes with its thread's event loop, closing its connection there.
        m_thread->quit();
        m_thread->wait();
    }
}

Report ReportService::run(const ReportRequest &request, int rowLimit)
{
    return ReportBuilder(m_database->connection()).build(request, rowLimit);
}

bool ReportService::writeCsv(const ReportRequest &request, QIODevice *out, QString *error)
{
    return ReportCsv::writeReport(m_database->connection(), request, out, error);
}

bool ReportService::exportCsv(const ReportRequest &request, const QString &path, QString *error)
{
    return ReportCsv::exportReport(m_database->connection(), request, path, error);
}

ReportWorker *ReportService::worker()
{
    if (m_worker)
        return m_worker;
    m_thread = new QThread(this);
    m_thread->setObjectName(QStringLiteral("reports"));
    m_worker = new ReportWorker(m_database->path());
    m_worker->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    connect(m_worker, &ReportWorker::reportMade, this, &ReportService::reportReady);
    connect(m_worker, &ReportWorker::csvExported, this, &ReportService::csvExported);
    m_thread->start(QThread::LowPriority);
    return m_worker;
}

quint64 ReportService::start(const ReportRequest &request, int rowLimit)
{
    const quint64 ticket = ++m_lastTicket;
    ReportWorker *w = worker();
    QMetaObject::invokeMethod(
        w, [w, ticket, request, rowLimit] { w->makeReport(ticket, request, rowLimit); }, Qt::QueuedConnection);
    return ticket;
}

quint64 ReportService::startCsvExport(const ReportRequest &request, const QString &path)
{
    const quint64 ticket = ++m_lastTicket;
    ReportWorker *w = worker();
    QMetaObject::invokeMethod(
        w, [w, ticket, request, path] { w->exportCsv(ticket, request, path); }, Qt::QueuedConnection);
    return ticket;
}
