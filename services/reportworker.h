#pragma once

#include "services/reportrecords.h"

#include <QObject>
#include <QString>

// Makes reports on the report thread over a read-only connection of its
// own, opened on first use and closed when the worker goes (on that thread).
class ReportWorker : public QObject
{
    Q_OBJECT
public:
    explicit ReportWorker(const QString &databasePath);
    ~ReportWorker() override;

public Q_SLOTS:
    void makeReport(quint64 ticket, const ReportRequest &request, int rowLimit);
    void exportCsv(quint64 ticket, const ReportRequest &request, const QString &path);

Q_SIGNALS:
    void reportMade(quint64 ticket, const Report &report);
    void csvExported(quint64 ticket, bool ok, const QString &error);

private:
    bool open(QString *error);

    QString m_path;
    QString m_connectionName;
};
