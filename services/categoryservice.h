#pragma once

#include "data/records.h"

#include <QHash>
#include <QObject>
#include <QString>

class CategoryRepository;

// Seeds an empty store with the default category tree. Each default category's
// id is derived from "type:parent:name", so installations that seed on their
// own hold the same ids and sync sees one row instead of duplicates.
class CategoryService : public QObject
{
    Q_OBJECT
public:
    explicit CategoryService(CategoryRepository *categories, QObject *parent = nullptr);

    void seedDefaultsIfEmpty();

    // Stores a category made by the user: a fresh id when it has none,
    // created and updated now, version 1, pending.
    bool addCategory(Category c, QString *storedId = nullptr);
    // Writes the user's edit: version + 1, updated now, pending.
    bool updateCategory(const Category &edited);
    bool deleteCategory(const QString &categoryId);

    void seedDefaults();
    // Inserts one default category; returns its derived id.
    QString addDefaultCategory(const QString &name, const QString &typeCode, const QString &parentId,
                               bool taxRelevant, const QString &taxCode);

    // UUID version 5 in the DNS namespace over "type:parentName:name".
    static QString defaultCategoryId(const QString &typeCode, const QString &parentName, const QString &name);

private:
    CategoryRepository *m_categories;
    QHash<QString, QString> m_idByName;
    QHash<QString, QString> m_nameById;
};
