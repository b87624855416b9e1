#include "ui/import/columnheader.h"

#include "app/thememanager.h"
#include "services/importservice.h"

#include <QGridLayout>
#include <QLabel>

QLabel *columnHeader(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    ThemeManager::setRole(label, ThemeManager::Small, QFont::DemiBold);
    return label;
}

void clearGrid(QGridLayout *grid)
{
    while (QLayoutItem *item = grid->takeAt(0)) {
        delete item->widget();
        delete item;
    }
}

bool anyTarget(const QHash<QString, QString> &mapping)
{
    for (const QString &target : mapping) {
        if (target != ImportService::skipMarker())
            return true;
    }
    return false;
}
