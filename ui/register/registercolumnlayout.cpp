#include "ui/register/registercolumnlayout.h"

#include "app/thememanager.h"
#include "ui/register/registermodel.h"

#include <QSettings>

namespace {

constexpr int kDefaultWidths[RegisterModel::kColumnCount] = {130, 60, 250, 180, 180, 100, 100, 35, 110};

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

int defaultWidth(int column)
{
    if (column < 0 || column >= RegisterModel::kColumnCount)
        return 100;
    const int scale = ThemeManager::fontScale();
    const int width = kDefaultWidths[column];
    return scale > 100 ? width * scale / 100 : width;
}

bool canHide(int column)
{
    return column != RegisterModel::Date && column != RegisterModel::Balance;
}

int storedWidth(int column)
{
    bool ok = false;
    const int width = QSettings().value(widthKey(column)).toInt(&ok);
    return ok && width > 0 ? width : defaultWidth(column);
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
