#pragma once

#include <QSqlDatabase>
#include <QString>

// Scope guard for a multi-statement write: everything between construction and
// commit() is applied together, and is rolled back when the guard goes out of
// scope uncommitted. Built on savepoints, so guards nest: an inner guard inside
// an outer one only becomes durable when the outer one commits.
class DbTransaction
{
public:
    explicit DbTransaction(const QSqlDatabase &db);
    ~DbTransaction();

    DbTransaction(const DbTransaction &) = delete;
    DbTransaction &operator=(const DbTransaction &) = delete;

    bool isActive() const { return m_active; }
    bool commit();
    void rollback();

private:
    QSqlDatabase m_db;
    QString m_name;
    bool m_active = false;
};
