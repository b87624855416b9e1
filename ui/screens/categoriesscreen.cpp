#include "ui/screens/categoriesscreen.h"

#include "app/appstate.h"
#include "app/thememanager.h"
#include "data/categoryrepository.h"
#include "services/categoryservice.h"
#include "ui/dialogs/categoryformdialog.h"
#include "ui/prompt.h"
#include "ui/screens/categorytreemodel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

CategoriesScreen::CategoriesScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_model(new CategoryTreeModel(this))
    , m_proxy(new QSortFilterProxyModel(this))
{
    m_proxy->setSourceModel(m_model);
    m_proxy->setFilterKeyColumn(CategoryTreeModel::Name);
    m_proxy->setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_proxy->setRecursiveFilteringEnabled(true);
    m_proxy->setSortLocaleAware(true);
    m_proxy->setSortCaseSensitivity(Qt::CaseInsensitive);

    auto *title = new QLabel(tr("Categories"), this);
    ThemeManager::setRole(title, ThemeManager::Title);

    m_filter = new QLineEdit(this);
    m_filter->setObjectName(QStringLiteral("categoryFilter"));
    m_filter->setPlaceholderText(tr("Search categories..."));
    m_filter->setAccessibleName(tr("Search categories"));
    m_filter->setClearButtonEnabled(true);

    auto *create = new QPushButton(tr("+ New Category"), this);
    create->setObjectName(QStringLiteral("newCategory"));

    m_tree = new QTreeView(this);
    m_tree->setObjectName(QStringLiteral("categoryTree"));
    m_tree->setModel(m_proxy);
    m_tree->setSortingEnabled(true);
    m_tree->sortByColumn(CategoryTreeModel::Name, Qt::AscendingOrder);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    // A double click edits the row; the arrows and keys expand it.
    m_tree->setExpandsOnDoubleClick(false);
    m_tree->setAccessibleName(tr("Categories"));
    m_tree->header()->setStretchLastSection(false);
    m_tree->header()->setSectionResizeMode(CategoryTreeModel::Name, QHeaderView::Stretch);
    m_tree->header()->setSectionResizeMode(CategoryTreeModel::Type, QHeaderView::ResizeToContents);
    m_tree->header()->setSectionResizeMode(CategoryTreeModel::TaxCode, QHeaderView::ResizeToContents);

    auto *top = new QHBoxLayout;
    top->addWidget(title);
    top->addStretch(1);
    top->addWidget(create);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_filter);
    layout->addWidget(m_tree, 1);

    // Repository signals come in bursts (sync, import): one rebuild per burst.
    m_rebuildTimer = new QTimer(this);
    m_rebuildTimer->setSingleShot(true);
    m_rebuildTimer->setInterval(0);
    connect(m_rebuildTimer, &QTimer::timeout, this, &CategoriesScreen::rebuild);
    connect(m_state->categories(), &CategoryRepository::categoriesChanged, m_rebuildTimer,
            qOverload<>(&QTimer::start));

    connect(m_filter, &QLineEdit::textChanged, m_proxy, &QSortFilterProxyModel::setFilterFixedString);
    connect(create, &QPushButton::clicked, this, &CategoriesScreen::onCreateCategory);
    connect(m_tree, &QWidget::customContextMenuRequested, this, &CategoriesScreen::showContextMenu);
    connect(m_tree, &QAbstractItemView::doubleClicked, this, &CategoriesScreen::onEditCategory);

    rebuild();
}

void CategoriesScreen::rebuild()
{
    m_rebuildTimer->stop();
    const QStringList expanded = expandedIds();
    const QString current = currentId();
    m_model->setCategories(m_state->categories()->list());
    for (const QString &id : expanded)
        expandId(id);
    const QModelIndex at = m_proxy->mapFromSource(m_model->indexOfId(current));
    if (at.isValid())
        m_tree->setCurrentIndex(at);
}

void CategoriesScreen::collectExpanded(const QModelIndex &parent, QStringList &ids) const
{
    const int rows = m_proxy->rowCount(parent);
    for (int row = 0; row < rows; ++row) {
        const QModelIndex index = m_proxy->index(row, 0, parent);
        if (m_tree->isExpanded(index)) {
            ids.append(index.data(CategoryTreeModel::IdRole).toString());
            collectExpanded(index, ids);
        }
    }
}

QStringList CategoriesScreen::expandedIds() const
{
    QStringList ids;
    collectExpanded(QModelIndex(), ids);
    return ids;
}

void CategoriesScreen::expandId(const QString &id)
{
    const QModelIndex index = m_proxy->mapFromSource(m_model->indexOfId(id));
    if (index.isValid())
        m_tree->expand(index);
}

QString CategoriesScreen::currentId() const
{
    return m_tree->currentIndex().siblingAtColumn(0).data(CategoryTreeModel::IdRole).toString();
}

QMenu *CategoriesScreen::createContextMenu(const QModelIndex &viewIndex, QWidget *parent)
{
    auto *menu = new QMenu(parent);
    menu->addAction(tr("&New Category"), this, &CategoriesScreen::onCreateCategory);
    if (viewIndex.isValid()) {
        m_tree->setCurrentIndex(viewIndex);
        // Subcategories go one level deep: only a top-level row takes one.
        if (!viewIndex.parent().isValid())
            menu->addAction(tr("Add &Subcategory"), this, &CategoriesScreen::onCreateSubcategory);
        menu->addAction(tr("&Edit"), this, &CategoriesScreen::onEditCategory);
        menu->addAction(tr("&Delete"), this, &CategoriesScreen::onDeleteCategory);
    }
    return menu;
}

void CategoriesScreen::showContextMenu(const QPoint &pos)
{
    QMenu *menu = createContextMenu(m_tree->indexAt(pos), this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(m_tree->viewport()->mapToGlobal(pos));
}

void CategoriesScreen::onCreateCategory()
{
    createCategory(QString(), QString());
}

void CategoriesScreen::onCreateSubcategory()
{
    const QModelIndex index = m_tree->currentIndex().siblingAtColumn(0);
    if (!index.isValid())
        return;
    createCategory(index.data(CategoryTreeModel::IdRole).toString(), index.data().toString());
}

void CategoriesScreen::createCategory(const QString &parentId, const QString &parentName)
{
    CategoryFormDialog dialog(this);
    if (!parentId.isEmpty())
        dialog.setParentCategory(parentId, parentName);
    bool stored = false;
    dialog.setSave([&] {
        // A blank name stores nothing.
        const Category c = dialog.category();
        stored = !c.name.isEmpty();
        return !stored || m_state->categoryService()->addCategory(c);
    });
    if (dialog.exec() != QDialog::Accepted || !stored)
        return;
    rebuild();
    if (!parentId.isEmpty())
        expandId(parentId);
}

void CategoriesScreen::onEditCategory()
{
    const QString id = currentId();
    if (id.isEmpty())
        return;
    const std::optional<Category> stored = m_state->categories()->findById(id);
    if (!stored)
        return;
    CategoryFormDialog dialog(this);
    dialog.setCategory(*stored);
    dialog.setSave([&] {
        const Category c = dialog.category();
        return c.name.isEmpty() || m_state->categoryService()->updateCategory(c);
    });
    if (dialog.exec() == QDialog::Accepted)
        rebuild();
}

void CategoriesScreen::onDeleteCategory()
{
    const QModelIndex index = m_tree->currentIndex().siblingAtColumn(0);
    if (!index.isValid())
        return;
    // Read before asking: the tree may be rebuilt while the question is open.
    const QString name = index.data().toString();
    const QString id = index.data(CategoryTreeModel::IdRole).toString();
    if (Prompt::question(this, tr("Delete Category"),
                         tr("Delete \"%1\"? Transactions using this category will become uncategorized.").arg(name))
        != QMessageBox::Yes)
        return;
    if (!m_state->categoryService()->deleteCategory(id)) {
        Prompt::warning(this, tr("Delete Category"), tr("The category could not be deleted."));
        return;
    }
    rebuild();
}
