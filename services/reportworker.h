#pragma once

#include "services/reportrecords.h"

#include <QMutex>
#include <QObject>
#include <QSet>
#include <QString>

#include <atomic>
#include <memory>

// Which tickets of the report thread were called off. The thread works its
// tickets one at a time in the order they were given; a ticket called off
// before its turn is skipped, and one called off while it is worked on stops
// its statement at once (see ReportWorker).
class ReportCancellation
{
public:
    // Any thread.
    void cancel(quint64 ticket);
    // The report thread, as it takes up a ticket: false when it was called off.
    bool begin(quint64 ticket);
    // The report thread, when it is done with the ticket: false when it was
    // called off meanwhile, so that its answer goes nowhere.
    bool end(quint64 ticket);
    // Whether the ticket being worked on was called off; cheap enough to be
    // asked every few thousand steps of a statement.
    bool interrupted() const { return m_interrupted.load(std::memory_order_relaxed); }

private:
    QMutex m_mutex;
    QSet<quint64> m_cancelled;
    quint64 m_current = 0;
    std::atomic<bool> m_interrupted{false};
};

// Makes reports on the report thread over a read-only connection of its
// own, opened on first use and closed when the worker goes (on that thread).
class ReportWorker : public QObject
{
    Q_OBJECT
public:
    ReportWorker(const QString &databasePath, std::shared_ptr<ReportCancellation> cancellation);
    ~ReportWorker() override;

public Q_SLOTS:
    // With rowsFirst, a Transactions report that leaves rows out sends its
    // rows in reportMade and the whole report in totalsMade.
    void makeReport(quint64 ticket, const ReportRequest &request, int rowLimit, bool rowsFirst);
    void exportCsv(quint64 ticket, const ReportRequest &request, const QString &path);

Q_SIGNALS:
    void reportMade(quint64 ticket, const Report &report);
    void totalsMade(quint64 ticket, const Report &report);
    void csvExported(quint64 ticket, bool ok, const QString &error);

private:
    bool open(QString *error);

    QString m_path;
    QString m_connectionName;
    std::shared_ptr<ReportCancellation> m_cancellation;
};
