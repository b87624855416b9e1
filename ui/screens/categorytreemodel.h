#pragma once

#include "data/records.h"

#include <QAbstractItemModel>
#include <QList>

#include <memory>
#include <vector>

// The category tree built from the flat list of live categories: top-level
// categories (and those whose parent is not in the list) under the invisible
// root, each subcategory under its parent, in the list's order.
class CategoryTreeModel : public QAbstractItemModel
{
    Q_OBJECT
public:
    enum Column { Name = 0, Type, TaxCode };
    static constexpr int kColumnCount = 3;
    // Qt::UserRole carries the category id.
    static constexpr int IdRole = Qt::UserRole;

    explicit CategoryTreeModel(QObject *parent = nullptr);
    ~CategoryTreeModel() override;

    // Rebuilds the tree from categories (ordered by name) inside a model reset.
    void setCategories(const QList<Category> &categories);

    // Depth first; invalid for an empty id or when no node has it.
    QModelIndex indexOfId(const QString &id) const;
    // The record behind an index; nullptr for an invalid one.
    const Category *categoryAt(const QModelIndex &index) const;

    QModelIndex index(int row, int column, const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    struct Node {
        Category category;
        Node *parent = nullptr;
        int row = 0;
        std::vector<std::unique_ptr<Node>> children;
    };

    const Node *nodeOf(const QModelIndex &index) const;
    QModelIndex find(const Node *node, const QString &id) const;

    Node m_root;
};
