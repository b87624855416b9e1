#include "ui/register/registercolumnlayout.h"

#include "ui/register/registermodel.h"

#include <QSettings>

namespace {

QString widthKey(int column)
{
    return QStringLiteral("register/colWidth/%1").arg(column);
}

QString hiddenKey(int column)
{
    return QStringLiteral("register/colHidden/%1").arg(column);
}

const QString kSortColumnKey = QStringLiteral("register/sortColumn");
const QString kSortOrderKey = QStringLiteral("register/sortOrder");

} // namespace

namespace RegisterColumnLayout {

bool canHide(int column)
{
    return column != RegisterModel::Date && column != RegisterModel::Balance;
}

int userWidth(int column)
{
    bool ok = false;
    const int width = QSettings().value(widthKey(column)).toInt(&ok);
    return ok && width > 0 ? width : 0;
}

bool storedHidden(int column)
{
    return canHide(column) && QSettings().value(hiddenKey(column), false).toBool();
}

void saveWidth(int column, int width)
{
    if (width > 0)
        QSettings().setValue(widthKey(column), width);
}

void saveHidden(int column, bool hidden)
{
    QSettings().setValue(hiddenKey(column), hidden);
}

int initialSortColumn()
{
    QSettings settings;
    if (!settings.contains(kSortColumnKey))
        return -1;
    const int column = settings.value(kSortColumnKey).toInt();
    return (column < 0 || column >= RegisterModel::kColumnCount) ? 0 : column;
}

Qt::SortOrder initialSortOrder(bool newestFirst)
{
    QSettings settings;
    if (!settings.contains(kSortColumnKey))
        return newestFirst ? Qt::DescendingOrder : Qt::AscendingOrder;
    return settings.value(kSortOrderKey).toInt() == 1 ? Qt::DescendingOrder : Qt::AscendingOrder;
}

void saveSort(int column, Qt::SortOrder order)
{
    QSettings settings;
    settings.setValue(kSortColumnKey, column);
    settings.setValue(kSortOrderKey, order == Qt::DescendingOrder ? 1 : 0);
}

void clear()
{
    QSettings settings;
    settings.beginGroup(QStringLiteral("register"));
    settings.remove(QString());
    settings.endGroup();
}

} // namespace RegisterColumnLayout
