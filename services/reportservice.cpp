#include "services/reportservice.h"

#include "data/database.h"
#include "services/reportbuilder.h"
#include "services/reportcsv.h"
#include "services/reportworker.h"

#include <QThread>

ReportService::ReportService(Database *database, QObject *parent)
    : QObject(parent)
    , m_database(database)
    , m_cancellation(std::make_shared<ReportCancellation>())
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
    m_worker = new ReportWorker(m_database->path(), m_cancellation);
    m_worker->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    // An answer already on its way when its ticket was called off stops here.
    connect(m_worker, &ReportWorker::reportMade, this, [this](quint64 ticket, const Report &report) {
        if (delivers(ticket))
            Q_EMIT reportReady(ticket, report);
    });
    connect(m_worker, &ReportWorker::totalsMade, this, [this](quint64 ticket, const Report &report) {
        if (delivers(ticket))
            Q_EMIT totalsReady(ticket, report);
    });
    connect(m_worker, &ReportWorker::csvExported, this, [this](quint64 ticket, bool ok, const QString &error) {
        if (delivers(ticket))
            Q_EMIT csvExported(ticket, ok, error);
    });
    m_thread->start(QThread::LowPriority);
    return m_worker;
}

quint64 ReportService::start(const ReportRequest &request, int rowLimit, Delivery delivery)
{
    const quint64 ticket = ++m_lastTicket;
    ReportWorker *w = worker();
    const bool rowsFirst = delivery == Delivery::RowsFirst;
    QMetaObject::invokeMethod(
        w, [w, ticket, request, rowLimit, rowsFirst] { w->makeReport(ticket, request, rowLimit, rowsFirst); },
        Qt::QueuedConnection);
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

void ReportService::cancel(quint64 ticket)
{
    if (ticket == 0 || ticket > m_lastTicket)
        return;
    m_dropped.insert(ticket);
    m_cancellation->cancel(ticket);
}

bool ReportService::delivers(quint64 ticket)
{
    // Answers come in the order they were asked for: tickets before this
    // one have said their last.
    m_dropped.removeIf([ticket](quint64 t) { return t < ticket; });
    return !m_dropped.contains(ticket);
}
