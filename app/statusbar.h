#pragma once

#include <QStatusBar>

class QLabel;
class QProgressBar;

// The main window's status bar: the number of accounts, recurring
// transactions due, the sync state and transient messages. The sync text and
// its progress bar step aside while a message is shown.
class StatusBar : public QStatusBar
{
    Q_OBJECT
public:
    explicit StatusBar(QWidget *parent = nullptr);

    void setAccountCount(int count);
    void setDueCount(int count);
    int dueCount() const { return m_dueCount; }
    void setSyncText(const QString &text);
    void setSyncBusy(bool busy);
    void showTransient(const QString &text, int timeoutMs);
    void restyle();

    QString accountText() const;
    QString dueText() const;
    QString syncText() const;
    // The labels that show now; none while a message is shown.
    QList<QWidget *> shownLabels() const;

private:
    // A message takes the whole bar: the labels step aside until it is gone.
    void placeLabels();

    QLabel *m_accounts = nullptr;
    QLabel *m_due = nullptr;
    QLabel *m_sync = nullptr;
    QProgressBar *m_progress = nullptr;
    int m_dueCount = 0;
    bool m_busy = false;
};
