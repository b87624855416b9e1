#include "ui/settings/panelblock.h"

#include "app/thememanager.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace PanelBlock {

QVBoxLayout *begin(QWidget *block, const QString &title, const QString &note)
{
    block->setAccessibleName(title);
    auto *heading = new QLabel(title, block);
    heading->setTextFormat(Qt::PlainText);
    ThemeManager::setRole(heading, ThemeManager::Subheading);
    auto *noteLabel = new QLabel(note, block);
    noteLabel->setTextFormat(Qt::PlainText);
    noteLabel->setWordWrap(true);
    noteLabel->setForegroundRole(QPalette::PlaceholderText);
    ThemeManager::setRole(noteLabel, ThemeManager::Small);

    auto *layout = new QVBoxLayout(block);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(heading);
    layout->addWidget(noteLabel);
    layout->addSpacing(4);
    return layout;
}

QHBoxLayout *buttonRow(const QList<QPushButton *> &buttons)
{
    auto *row = new QHBoxLayout;
    for (int i = 0; i < buttons.size(); ++i) {
        buttons.at(i)->setAutoDefault(false);
        row->addWidget(buttons.at(i));
        if (i > 0)
            QWidget::setTabOrder(buttons.at(i - 1), buttons.at(i));
    }
    row->addStretch(1);
    return row;
}

} // namespace PanelBlock
