#include "app/statusbar.h"

#include "app/thememanager.h"

#include <QLabel>
#include <QProgressBar>

StatusBar::StatusBar(QWidget *parent)
    : QStatusBar(parent)
{
    setObjectName(QStringLiteral("mainStatusBar"));
    m_accounts = new QLabel(this);
    m_accounts->setContentsMargins(6, 0, 0, 0);
    m_accounts->setAccessibleName(tr("Accounts"));
    m_due = new QLabel(this);
    m_due->setAccessibleName(tr("Recurring transactions due"));
    ThemeManager::setRole(m_due, ThemeManager::Body, 700);
    m_sync = new QLabel(this);
    m_sync->setAccessibleName(tr("Sync status"));
    m_progress = new QProgressBar(this);
    m_progress->setRange(0, 0);
    m_progress->setMaximumSize(100, 14);
    m_progress->setTextVisible(false);
    m_progress->setAccessibleName(tr("Sync in progress"));

    addWidget(m_accounts);
    addWidget(m_due);
    addWidget(new QWidget(this), 1);
    addWidget(m_sync);
    addWidget(m_progress);
    placeLabels();
    connect(this, &QStatusBar::messageChanged, this, &StatusBar::placeLabels);
    restyle();
}

void StatusBar::setAccountCount(int count)
{
    m_accounts->setText(tr("%n account(s)", nullptr, count));
}

void StatusBar::setDueCount(int count)
{
    m_dueCount = count;
    m_due->setText(tr("  \u2022  %n recurring due", nullptr, count));
    placeLabels();
}

void StatusBar::setSyncText(const QString &text)
{
    m_sync->setText(text);
}

void StatusBar::setSyncBusy(bool busy)
{
    m_busy = busy;
    placeLabels();
}

void StatusBar::placeLabels()
{
    const bool quiet = currentMessage().isEmpty();
    m_accounts->setVisible(quiet);
    m_due->setVisible(quiet && m_dueCount > 0);
    m_sync->setVisible(quiet);
    m_progress->setVisible(quiet && m_busy);
}

QList<QWidget *> StatusBar::shownLabels() const
{
    QList<QWidget *> shown;
    for (QWidget *label : {static_cast<QWidget *>(m_accounts), static_cast<QWidget *>(m_due),
                           static_cast<QWidget *>(m_sync), static_cast<QWidget *>(m_progress)}) {
        if (label->isVisibleTo(this))
            shown.append(label);
    }
    return shown;
}

void StatusBar::showTransient(const QString &text, int timeoutMs)
{
    showMessage(text, timeoutMs);
}

void StatusBar::restyle()
{
    m_due->setStyleSheet(QStringLiteral("color: %1;").arg(ThemeManager::toneName(ThemeManager::Positive)));
    m_sync->setStyleSheet(QStringLiteral("color: %1;").arg(ThemeManager::toneName(ThemeManager::Muted)));
}

QString StatusBar::accountText() const
{
    return m_accounts->text();
}

QString StatusBar::dueText() const
{
    return m_dueCount > 0 ? m_due->text() : QString();
}

QString StatusBar::syncText() const
{
    return m_sync->text();
}
