#pragma once

#include <QWidget>

class AppState;
class QPushButton;

// The "Backup & Restore" block of the preferences' data page: saves the whole
// store to a backup file and restores one.
class BackupPanel : public QWidget {
    Q_OBJECT
public:
    explicit BackupPanel(AppState *state, QWidget *parent = nullptr);

private:
    void exportBackup();
    void importBackup();

    AppState *m_state;
    QPushButton *m_exportButton;
    QPushButton *m_importButton;
};
