#pragma once

#include "data/records.h"
#include "data/store.h"

#include <QHash>
#include <QObject>
#include <QString>

class ChangeBatch;
class QDateTime;

// Seeds an empty store with the default category tree (each default category's
// id is derived from "type:parent:name", so installations that seed on their
// own hold the same ids and sync sees one row instead of duplicates), and
// writes the user's categories.
class CategoryService : public QObject
{
    Q_OBJECT
public:
    explicit CategoryService(const Repositories &store, QObject *parent = nullptr);

    void seedDefaultsIfEmpty();

    // Stores a category made by the user: a fresh id when it has none,
    // created and updated now, version 1, pending.
    bool addCategory(Category c, QString *storedId = nullptr);
    // Writes the user's edit: version + 1, updated now, pending.
    bool updateCategory(const Category &edited);
    // Deletes the category in one database transaction. Whatever used it
    // loses it: transactions and schedules become uncategorized, split lines
    // (which must name a category) move to "Uncategorized", each changed row
    // as an edit of the user's (a split line's edit is its transaction's).
    // Its subcategories move up one level. False, and nothing changed, when
    // it does not exist or a write fails.
    bool deleteCategory(const QString &categoryId);

    void seedDefaults();
    // Inserts one default category; returns its derived id.
    QString addDefaultCategory(const QString &name, const QString &typeCode, const QString &parentId,
                               bool taxRelevant, const QString &taxCode);

    // UUID version 5 in the DNS namespace over "type:parentName:name".
    static QString defaultCategoryId(const QString &typeCode, const QString &parentName, const QString &name);

private:
    bool moveSplitLines(const Category &doomed, const QDateTime &now, ChangeBatch &batch);
    // The live category split lines without one of their own go to, made when missing.
    QString uncategorizedId(const QString &except, const QDateTime &now);

    CategoryRepository *m_categories;
    TransactionRepository *m_transactions;
    SplitLineRepository *m_splitLines;
    RecurringRepository *m_recurring;
    QHash<QString, QString> m_idByName;
    QHash<QString, QString> m_nameById;
};
