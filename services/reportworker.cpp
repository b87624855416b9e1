#include "services/reportworker.h"

#include "services/reportbuilder.h"
#include "services/reportcsv.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>

ReportWorker::ReportWorker(const QString &databasePath)
    : m_path(databasePath)
    , m_connectionName(QStringLiteral("quillet-reports-%1").arg(quintptr(this), 0, 16))
{
}

ReportWorker::~ReportWorker()
{
    if (!QSqlDatabase::contains(m_connectionName))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
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
    if (db.open())
        return true;
    *error = db.lastError().text();
    qWarning().noquote() << "ReportWorker::open failed:" << *error;
    return false;
}

void ReportWorker::makeReport(quint64 ticket, const ReportRequest &request, int rowLimit)
{
    QString error;
    if (!open(&error)) {
        Report failed;
        failed.kind = request.kind;
        failed.error = QCoreApplication::translate("ReportBuilder", "The report could not be made: %1").arg(error);
        Q_EMIT reportMade(ticket, failed);
        return;
    }
    Q_EMIT reportMade(ticket, ReportBuilder(QSqlDatabase::database(m_connectionName, false)).build(request, rowLimit));
}

void ReportWorker::exportCsv(quint64 ticket, const ReportRequest &request, const QString &path)
{
    QString error;
    const bool ok = open(&error)
        && ReportCsv::exportReport(QSqlDatabase::database(m_connectionName, false), request, path, &error);
    Q_EMIT csvExported(ticket, ok, error);
}
