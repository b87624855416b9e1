#include "services/reportworker.h"

#include "data/dbtransaction.h"
#include "services/reportbuilder.h"
#include "services/reportcsv.h"

#include <QCoreApplication>
#include <QMutexLocker>
#include <QSqlDatabase>
#include <QSqlError>

#include <sqlite3.h>

namespace {

// SQLite asks this every kProgressSteps steps of a statement; a non-zero
// answer stops the statement with SQLITE_INTERRUPT.
constexpr int kProgressSteps = 4000;

int stopWhenCancelled(void *cancellation)
{
    return static_cast<const ReportCancellation *>(cancellation)->interrupted() ? 1 : 0;
}

} // namespace

void ReportCancellation::cancel(quint64 ticket)
{
    const QMutexLocker lock(&m_mutex);
    if (ticket == 0 || (m_current != 0 && ticket < m_current))
        return;
    m_cancelled.insert(ticket);
    if (ticket == m_current)
        m_interrupted.store(true, std::memory_order_relaxed);
}

bool ReportCancellation::begin(quint64 ticket)
{
    const QMutexLocker lock(&m_mutex);
    // Tickets come in order: those before this one are done with.
    m_cancelled.removeIf([ticket](quint64 t) { return t < ticket; });
    m_current = ticket;
    const bool cancelled = m_cancelled.contains(ticket);
    m_interrupted.store(cancelled, std::memory_order_relaxed);
    return !cancelled;
}

bool ReportCancellation::end(quint64 ticket)
{
    const QMutexLocker lock(&m_mutex);
    const bool cancelled = m_cancelled.remove(ticket);
    m_current = 0;
    m_interrupted.store(false, std::memory_order_relaxed);
    return !cancelled;
}

ReportWorker::ReportWorker(const QString &databasePath, std::shared_ptr<ReportCancellation> cancellation)
    : m_path(databasePath)
    , m_connectionName(QStringLiteral("quillet-reports-%1").arg(quintptr(this), 0, 16))
    , m_cancellation(std::move(cancellation))
{
}

ReportWorker::~ReportWorker()
{
    if (!QSqlDatabase::contains(m_connectionName))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        if (sqlite3 *handle = DbTransaction::handle(db))
            sqlite3_progress_handler(handle, 0, nullptr, nullptr);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

bool ReportWorker::open(QString *error)
{
    QSqlDatabase db = QSqlDatabase::contains(m_connectionName)
        ? QSqlDatabase::database(m_connectionName, false)
        : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    if (db.isOpen())
        return true;
    db.setDatabaseName(m_path);
    // Reports only read. A writer holding the lock briefly (a checkpoint)
    // is waited for rather than failed on.
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000"));
    if (db.open()) {
        // A report called off stops within a few thousand steps.
        if (sqlite3 *handle = DbTransaction::handle(db))
            sqlite3_progress_handler(handle, kProgressSteps, &stopWhenCancelled, m_cancellation.get());
        return true;
    }
    *error = db.lastError().text();
    qWarning().noquote() << "ReportWorker::open failed:" << *error;
    return false;
}

void ReportWorker::makeReport(quint64 ticket, const ReportRequest &request, int rowLimit, bool rowsFirst)
{
    if (!m_cancellation->begin(ticket))
        return;
    QString error;
    if (!open(&error)) {
        Report failed;
        failed.kind = request.kind;
        failed.error = QCoreApplication::translate("ReportBuilder", "The report could not be made: %1").arg(error);
        if (m_cancellation->end(ticket))
            Q_EMIT reportMade(ticket, failed);
        return;
    }
    bool rowsSent = false;
    ReportBuilder::RowsFirst early;
    if (rowsFirst) {
        early = [&](const Report &rows) {
            if (m_cancellation->interrupted())
                return;
            rowsSent = true;
            Q_EMIT reportMade(ticket, rows);
        };
    }
    const Report report = ReportBuilder(QSqlDatabase::database(m_connectionName, false)).build(request, rowLimit, early);
    if (!m_cancellation->end(ticket))
        return;
    if (rowsSent)
        Q_EMIT totalsMade(ticket, report);
    else
        Q_EMIT reportMade(ticket, report);
}

void ReportWorker::exportCsv(quint64 ticket, const ReportRequest &request, const QString &path)
{
    if (!m_cancellation->begin(ticket))
        return;
    QString error;
    const bool ok = open(&error)
        && ReportCsv::exportReport(QSqlDatabase::database(m_connectionName, false), request, path, &error);
    if (m_cancellation->end(ticket))
        Q_EMIT csvExported(ticket, ok, error);
}
