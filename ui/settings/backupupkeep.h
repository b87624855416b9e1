#pragma once

#include <QObject>
#include <QPointer>

class AppState;
class QWidget;

// The store's daily care, a few seconds after start so that start-up is not
// held up: SQLite's quick check of the store and, when it is sound, the day's
// safety copy. Damage is shown at once, with where the safety copies are; the
// day's copy is then left out (it would push a sound one out), so the check
// and the message come again at the next start.
class BackupUpkeep : public QObject {
    Q_OBJECT
public:
    static constexpr int kDelayMs = 4000;
    // While a write is open (an import lets the event loop run) no copy can be taken.
    static constexpr int kRetryMs = 60000;

    // Starts the timer; window carries the message.
    BackupUpkeep(AppState *state, QWidget *window);

    // Today's check and copy, when today has no copy yet.
    void run();

Q_SIGNALS:
    void damageFound(const QString &problem);

private:
    AppState *m_state;
    QPointer<QWidget> m_window;
};
