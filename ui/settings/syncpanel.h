#pragma once

#include <QWidget>

class AppState;
class QLabel;
class QPushButton;

// The sync block of the preferences' data page: who is signed in and how the
// sync stands, when it last completed, and the Sync Now and Force Full Sync
// buttons.
class SyncPanel : public QWidget
{
    Q_OBJECT
public:
    explicit SyncPanel(AppState *state, QWidget *parent = nullptr);

    QPushButton *syncNowButton() const { return m_syncNow; }
    QPushButton *forceFullSyncButton() const { return m_forceFull; }
    QString lastSyncText() const;
    QString accountText() const;

private:
    void refresh();
    void forceFullSync();

    AppState *m_state;
    QLabel *m_account;
    QLabel *m_lastSync;
    QPushButton *m_syncNow;
    QPushButton *m_forceFull;
};
