#include "ui/settings/safetycopiespanel.h"

#include "app/appstate.h"
#include "data/clock.h"
#include "services/backupservice.h"
#include "services/datetext.h"
#include "services/safetycopies.h"
#include "ui/prompt.h"
#include "ui/settings/panelblock.h"

#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace {

enum Column { When, Kind, Size };

QString kindText(const SafetyCopies::Copy &copy)
{
    if (copy.daily)
        return SafetyCopiesPanel::tr("Daily");
    if (copy.reason == QLatin1String("before-import"))
        return SafetyCopiesPanel::tr("Before import");
    if (copy.reason == QLatin1String("before-restore"))
        return SafetyCopiesPanel::tr("Before restore");
    if (copy.reason == QLatin1String("before-exact-restore"))
        return SafetyCopiesPanel::tr("Before exact restore");
    if (copy.reason == QLatin1String("before-copy-restore"))
        return SafetyCopiesPanel::tr("Before copy restore");
    QString text = copy.reason;
    text.replace(QLatin1Char('-'), QLatin1Char(' '));
    if (!text.isEmpty())
        text[0] = text.at(0).toUpper();
    return text;
}

QString sizeText(qint64 bytes)
{
    constexpr double kMiB = 1024.0 * 1024.0;
    if (bytes < 1024 * 1024)
        return SafetyCopiesPanel::tr("%1 KB").arg(std::max<qint64>(1, (bytes + 512) / 1024));
    if (bytes < qint64(1024) * 1024 * 1024)
        return SafetyCopiesPanel::tr("%1 MB").arg(double(bytes) / kMiB, 0, 'f', 1);
    return SafetyCopiesPanel::tr("%1 GB").arg(double(bytes) / (kMiB * 1024.0), 0, 'f', 1);
}

// "Mar 5, 9:30 AM"; the year only when it is not this one; a daily copy by its day.
QString whenText(const SafetyCopies::Copy &copy)
{
    const QDate date = copy.created.date();
    const QString day = date.year() == Clock::today().year()
        ? QLocale(QLocale::English, QLocale::UnitedStates).toString(date, QStringLiteral("MMM d"))
        : DateText::formatLong(date);
    if (copy.daily)
        return day;
    return SafetyCopiesPanel::tr("%1, %2").arg(day, copy.created.time().toString(QStringLiteral("h:mm AP")));
}

} // namespace

SafetyCopiesPanel::SafetyCopiesPanel(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_list(new QTreeWidget(this))
    , m_empty(new QLabel(tr("No safety copies yet."), this))
    , m_restoreButton(new QPushButton(tr("Restore This Copy"), this))
    , m_openButton(new QPushButton(tr("Open Folder"), this))
{
    QVBoxLayout *layout = PanelBlock::begin(this, tr("Safety Copies"),
                                            tr("A copy of your data is kept before every import and restore, and "
                                               "once a day. The newest %1 and the last %2 daily copies stay.")
                                                .arg(SafetyCopies::kKeepSafety)
                                                .arg(SafetyCopies::kKeepDaily));

    m_list->setObjectName(QStringLiteral("safetyCopies"));
    m_list->setAccessibleName(tr("Safety copies"));
    m_list->setHeaderLabels({tr("Made"), tr("Why"), tr("Size")});
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_list->setTextElideMode(Qt::ElideRight);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(When, QHeaderView::ResizeToContents);
    m_list->header()->setSectionResizeMode(Kind, QHeaderView::Stretch);
    m_list->header()->setSectionResizeMode(Size, QHeaderView::ResizeToContents);
    m_empty->setForegroundRole(QPalette::PlaceholderText);
    m_empty->setWordWrap(true);

    m_restoreButton->setObjectName(QStringLiteral("restoreSafetyCopy"));
    m_restoreButton->setAccessibleDescription(
        tr("Replace all of your data with the selected copy, after one more safety copy."));
    m_openButton->setObjectName(QStringLiteral("openSafetyCopies"));
    m_openButton->setAccessibleDescription(tr("Show the folder the safety copies are kept in."));
    setTabOrder(m_list, m_restoreButton);

    layout->addWidget(m_list);
    layout->addWidget(m_empty);
    layout->addSpacing(4);
    layout->addLayout(PanelBlock::buttonRow({m_restoreButton, m_openButton}));

    // The row the keyboard is on is the one chosen, as soon as the list has focus.
    connect(m_list, &QTreeWidget::currentItemChanged, this, [](QTreeWidgetItem *current) {
        if (current)
            current->setSelected(true);
    });
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &SafetyCopiesPanel::updateButtons);
    connect(m_restoreButton, &QPushButton::clicked, this, &SafetyCopiesPanel::restoreSelected);
    connect(m_openButton, &QPushButton::clicked, this, &SafetyCopiesPanel::openFolder);
    // A restore made its own safety copy.
    connect(m_state->backupService(), &BackupService::restored, this, &SafetyCopiesPanel::refresh);
    refresh();
}

void SafetyCopiesPanel::refresh()
{
    const QList<QTreeWidgetItem *> chosen = m_list->selectedItems();
    const QString selected = chosen.isEmpty() ? QString() : chosen.first()->data(When, Qt::UserRole).toString();
    m_list->clear();
    const QList<SafetyCopies::Copy> copies = m_state->backupService()->safetyCopies()->list();
    for (const SafetyCopies::Copy &copy : copies) {
        auto *item = new QTreeWidgetItem(m_list, {whenText(copy), kindText(copy), sizeText(copy.size)});
        item->setData(When, Qt::UserRole, copy.name);
        item->setToolTip(When, copy.name);
        item->setToolTip(Kind, item->text(Kind));
        item->setTextAlignment(Size, Qt::AlignRight | Qt::AlignVCenter);
        if (copy.name == selected)
            m_list->setCurrentItem(item);
    }
    m_list->setVisible(!copies.isEmpty());
    m_empty->setVisible(copies.isEmpty());
    fitListHeight();
    updateButtons();
}

void SafetyCopiesPanel::fitListHeight()
{
    // Room for the copies there are, from three rows up to six; more scroll.
    const int rows = std::clamp(m_list->topLevelItemCount(), kMinRows, kMaxRows);
    const int row = m_list->topLevelItemCount() > 0 ? m_list->sizeHintForRow(0) : fontMetrics().height() + 4;
    m_list->setFixedHeight(m_list->header()->sizeHint().height() + rows * row + 2 * m_list->frameWidth());
}

void SafetyCopiesPanel::showEvent(QShowEvent *event)
{
    refresh();
    QWidget::showEvent(event);
}

void SafetyCopiesPanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        fitListHeight();
    // Back from another window, where an import may have made a copy.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        refresh();
    QWidget::changeEvent(event);
}

void SafetyCopiesPanel::updateButtons()
{
    m_restoreButton->setEnabled(!m_list->selectedItems().isEmpty());
}

void SafetyCopiesPanel::restoreSelected()
{
    const QList<QTreeWidgetItem *> selected = m_list->selectedItems();
    if (selected.isEmpty())
        return;
    QTreeWidgetItem *item = selected.first();
    const QString name = item->data(When, Qt::UserRole).toString();
    const QString when = item->text(When);
    if (Prompt::warningQuestion(this, tr("Restore This Copy"),
                                tr("Replace all of your data with the copy made %1?\n\nYour data as it is now is "
                                   "kept as one more safety copy first, so this can be undone.")
                                    .arg(when)) != QMessageBox::Yes)
        return;

    QString before;
    QString error;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    m_restoreButton->setEnabled(false);
    const bool done = m_state->backupService()->restoreCopy(name, &before, &error);
    QGuiApplication::restoreOverrideCursor();
    refresh();
    if (!done) {
        Prompt::warning(this, tr("Restore Failed"), error);
        return;
    }
    Prompt::information(this, tr("Copy Restored"),
                        tr("Your data is now the copy made %1.\n\nYour data as it was is kept as:\n%2")
                            .arg(when, QDir::toNativeSeparators(before)));
}

void SafetyCopiesPanel::openFolder()
{
    const QString folder = m_state->backupService()->safetyCopies()->folder();
    QDir().mkpath(folder);
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        Prompt::warning(this, tr("Open Folder"),
                        tr("The folder could not be opened:\n%1").arg(QDir::toNativeSeparators(folder)));
}
