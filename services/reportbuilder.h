#pragma once

#include "services/reportrecords.h"

#include <QSqlDatabase>

#include <functional>

// Makes reports from plain SQL aggregates over one connection. It keeps no
// state between reports, so a thread with a connection of its own can use
// one as well as the GUI thread.
class ReportBuilder
{
public:
    // Rows of single transactions a report keeps when no limit is given.
    static constexpr int kNoLimit = -1;

    explicit ReportBuilder(const QSqlDatabase &db) : m_db(db) {}

    // Receives the rows of a Transactions report that left rows out, before
    // its totals are counted (see build).
    using RowsFirst = std::function<void(const Report &rows)>;

    // The report; on failure an empty one with error set. The Transactions
    // report keeps the newest rowLimit rows (all with kNoLimit) and says how
    // many matched. Its totals then need every matching row read: when
    // rowsFirst is given, the rows are handed to it first, marked
    // totalsPending, and the report returned is the whole one, from the same
    // snapshot of the store.
    Report build(const ReportRequest &request, int rowLimit = kNoLimit, const RowsFirst &rowsFirst = {});

    // Every row of the report in its order, handed to sink one at a time
    // instead of being kept: the way to write a Transactions report of any
    // size. head receives the report without its rows. False with error set
    // on failure.
    using Sink = std::function<bool(const ReportRow &row)>;
    bool stream(const ReportRequest &request, Report *head, const Sink &sink, QString *error);

private:
    QSqlDatabase m_db;
};
