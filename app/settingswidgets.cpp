#include "app/settingswidgets.h"

#include "app/thememanager.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QFrame>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

namespace SettingsWidgets {

QVBoxLayout *pageLayout(QWidget *page)
{
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(20, 18, 20, 18);
    layout->setSpacing(14);
    return layout;
}

QWidget *scrollPage(QWidget *content, const QString &name)
{
    auto *scroll = new QScrollArea;
    scroll->setAccessibleName(name);
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    return scroll;
}

QFormLayout *group(QVBoxLayout *page, const QString &title, const QString &note)
{
    auto *card = new QFrame;
    card->setObjectName(QStringLiteral("settingsCard"));
    auto *layout = new QVBoxLayout(card);
    layout->setContentsMargins(16, 12, 16, 14);
    layout->setSpacing(6);
    auto *heading = new QLabel(title, card);
    heading->setObjectName(QStringLiteral("settingsHeading"));
    ThemeManager::setRole(heading, ThemeManager::Subheading);
    layout->addWidget(heading);
    if (!note.isEmpty()) {
        auto *noteLabel = new QLabel(note, card);
        noteLabel->setObjectName(QStringLiteral("settingsMuted"));
        noteLabel->setWordWrap(true);
        ThemeManager::setRole(noteLabel, ThemeManager::Small);
        layout->addWidget(noteLabel);
    }
    auto *form = new QFormLayout;
    form->setContentsMargins(0, 6, 0, 0);
    form->setHorizontalSpacing(16);
    form->setVerticalSpacing(10);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    layout->addLayout(form);
    page->addWidget(card);
    return form;
}

void addCard(QVBoxLayout *page, QWidget *block)
{
    auto *card = new QFrame;
    card->setObjectName(QStringLiteral("settingsCard"));
    auto *layout = new QVBoxLayout(card);
    layout->setContentsMargins(16, 12, 16, 14);
    layout->addWidget(block);
    page->addWidget(card);
}

void pageNote(QVBoxLayout *page, const QString &text)
{
    auto *label = new QLabel(text);
    label->setObjectName(QStringLiteral("settingsMuted"));
    label->setWordWrap(true);
    page->addWidget(label);
}

void addRow(QFormLayout *form, const QString &label, QWidget *field)
{
    auto *text = new QLabel(label);
    text->setMinimumWidth(120);
    text->setBuddy(field);
    field->setAccessibleName(QString(label).remove(QLatin1Char('&')));
    form->addRow(text, field);
}

void addCheck(QFormLayout *form, QCheckBox *box, const QString &note)
{
    auto *column = new QVBoxLayout;
    column->setSpacing(2);
    column->addWidget(box);
    auto *noteLabel = new QLabel(note);
    noteLabel->setObjectName(QStringLiteral("settingsMuted"));
    noteLabel->setWordWrap(true);
    noteLabel->setContentsMargins(24, 0, 0, 0);
    ThemeManager::setRole(noteLabel, ThemeManager::Small);
    column->addWidget(noteLabel);
    box->setAccessibleDescription(note);
    form->addRow(column);
}

void restyle(QWidget *root, bool dark)
{
    const QString card = QLatin1String(dark ? "#1A2E28" : "#FFFFFF");
    const QString border = QLatin1String(dark ? "#2A4038" : "#D8E0DB");
    const QString muted = ThemeManager::toneName(ThemeManager::Muted);
    const QString list = QLatin1String(dark ? "#0B1713" : "#F2F7F4");
    root->setStyleSheet(QStringLiteral("QFrame#settingsCard { background: %1; border: 1px solid %2; border-radius: 10px; } "
                                       "QLabel#settingsMuted { color: %3; } "
                                       "QListWidget#settingsPages { background: %4; padding-top: 8px; } "
                                       "QListWidget#settingsPages::item { padding: 8px 6px; }")
                            .arg(card, border, muted, list));
}

} // namespace SettingsWidgets
