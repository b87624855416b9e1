#include "ui/screens/categorytreemodel.h"

#include "ui/screens/screencolors.h"

#include <QFont>
#include <QHash>

namespace {

// Whether following parent ids up from `start` comes back to `node`: a cycle
// in the stored parents, which would otherwise hide its members.
template <typename Node>
bool leadsBackTo(const QHash<QString, Node *> &byId, const Node *start, const Node *node)
{
    qsizetype steps = byId.size();
    for (const Node *p = start; p && steps-- >= 0; p = byId.value(p->category.parentId, nullptr)) {
        if (p == node)
            return true;
    }
    return false;
}

} // namespace

CategoryTreeModel::CategoryTreeModel(QObject *parent)
    : QAbstractItemModel(parent)
{
}

CategoryTreeModel::~CategoryTreeModel() = default;

void CategoryTreeModel::setCategories(const QList<Category> &categories)
{
    beginResetModel();
    m_root.children.clear();

    QHash<QString, Node *> byId;
    std::vector<std::unique_ptr<Node>> nodes;
    nodes.reserve(size_t(categories.size()));
    for (const Category &c : categories) {
        auto node = std::make_unique<Node>();
        node->category = c;
        byId.insert(c.id, node.get());
        nodes.push_back(std::move(node));
    }
    for (std::unique_ptr<Node> &node : nodes) {
        // A parent that is not listed (deleted, or never synced here) leaves
        // the subcategory at the top level rather than hidden.
        Node *parent = byId.value(node->category.parentId, nullptr);
        if (!parent || leadsBackTo(byId, parent, node.get()))
            parent = &m_root;
        node->parent = parent;
        node->row = int(parent->children.size());
        parent->children.push_back(std::move(node));
    }
    endResetModel();
}

const CategoryTreeModel::Node *CategoryTreeModel::nodeOf(const QModelIndex &index) const
{
    return index.isValid() ? static_cast<const Node *>(index.internalPointer()) : &m_root;
}

const Category *CategoryTreeModel::categoryAt(const QModelIndex &index) const
{
    return index.isValid() ? &nodeOf(index)->category : nullptr;
}

QModelIndex CategoryTreeModel::find(const Node *node, const QString &id) const
{
    for (const std::unique_ptr<Node> &child : node->children) {
        if (child->category.id == id)
            return createIndex(child->row, 0, child.get());
        const QModelIndex below = find(child.get(), id);
        if (below.isValid())
            return below;
    }
    return QModelIndex();
}

QModelIndex CategoryTreeModel::indexOfId(const QString &id) const
{
    if (id.isEmpty())
        return QModelIndex();
    return find(&m_root, id);
}

QModelIndex CategoryTreeModel::index(int row, int column, const QModelIndex &parent) const
{
    if (column < 0 || column >= kColumnCount || (parent.isValid() && parent.column() != 0))
        return QModelIndex();
    const Node *node = nodeOf(parent);
    if (row < 0 || row >= int(node->children.size()))
        return QModelIndex();
    return createIndex(row, column, node->children[size_t(row)].get());
}

QModelIndex CategoryTreeModel::parent(const QModelIndex &child) const
{
    if (!child.isValid())
        return QModelIndex();
    const Node *parent = nodeOf(child)->parent;
    if (!parent || parent == &m_root)
        return QModelIndex();
    return createIndex(parent->row, 0, const_cast<Node *>(parent));
}

int CategoryTreeModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() && parent.column() != 0)
        return 0;
    return int(nodeOf(parent)->children.size());
}

int CategoryTreeModel::columnCount(const QModelIndex &) const
{
    return kColumnCount;
}

QVariant CategoryTreeModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const Node *node = nodeOf(index);
    const Category &c = node->category;
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case Name:
            return c.name;
        case Type:
            // Anything the store holds besides income and transfer reads as expense.
            return Codes::categoryTypeCode(c.type);
        case TaxCode:
            return c.isTaxRelevant ? c.taxCategory : QString();
        }
        break;
    case Qt::FontRole:
        if (index.column() == Name && !node->children.empty()) {
            QFont bold;
            bold.setWeight(QFont::Bold);
            return bold;
        }
        break;
    case Qt::ForegroundRole:
        if (index.column() == Type && c.type == CategoryType::Income)
            return ScreenColors::due();
        break;
    case IdRole:
        return c.id;
    default:
        break;
    }
    return QVariant();
}

QVariant CategoryTreeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    switch (section) {
    case Name:
        return tr("Category");
    case Type:
        return tr("Type");
    case TaxCode:
        return tr("Tax Code");
    }
    return QVariant();
}
