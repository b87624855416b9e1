#pragma once

#include <QStringList>
#include <QWidget>

class AppState;
class CategoryTreeModel;
class QLineEdit;
class QMenu;
class QSortFilterProxyModel;
class QTimer;
class QTreeView;

// The category tree with a name filter; creates, edits and deletes
// categories through the category form.
class CategoriesScreen : public QWidget
{
    Q_OBJECT
public:
    explicit CategoriesScreen(AppState *state, QWidget *parent = nullptr);

    QTreeView *tree() const { return m_tree; }
    CategoryTreeModel *model() const { return m_model; }
    QSortFilterProxyModel *proxy() const { return m_proxy; }

    // The context menu for a view index (invalid = empty space); the caller owns it.
    QMenu *createContextMenu(const QModelIndex &viewIndex, QWidget *parent);

    // Rebuilds the tree from the repository, keeping expanded rows expanded.
    void rebuild();

public Q_SLOTS:
    void onCreateCategory();
    void onCreateSubcategory();
    void onEditCategory();
    void onDeleteCategory();

private:
    void showContextMenu(const QPoint &pos);
    void createCategory(const QString &parentId, const QString &parentName);
    QString currentId() const;
    QStringList expandedIds() const;
    void collectExpanded(const QModelIndex &parent, QStringList &ids) const;
    void expandId(const QString &id);

    AppState *m_state;
    CategoryTreeModel *m_model;
    QSortFilterProxyModel *m_proxy;
    QLineEdit *m_filter = nullptr;
    QTreeView *m_tree = nullptr;
    QTimer *m_rebuildTimer = nullptr;
};
