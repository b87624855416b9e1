#pragma once

#include "data/records.h"
#include "data/statementcache.h"

#include <QList>
#include <QObject>

#include <optional>

class Database;

// The only code that reads and writes the categories table.
class CategoryRepository : public QObject
{
    Q_OBJECT
public:
    explicit CategoryRepository(Database *database, QObject *parent = nullptr);

    int liveCount();
    QList<Category> list();
    std::optional<Category> findById(const QString &id);
    std::optional<Category> findByName(const QString &name);
    QList<Category> pending();

    bool insert(const Category &category);
    bool update(const Category &category);
    bool softDelete(const QString &id);
    bool markSynced(const QString &id, const QString &serverId);
    int markAllPendingForResync();

    QSqlDatabase connection() const { return m_statements.database(); }

Q_SIGNALS:
    void categoriesChanged();

private:
    QList<Category> select(const QString &sql, const QVariantList &binds);

    StatementCache m_statements;
};
