#pragma once

#include <QObject>

class Database;
class QTimer;

// Notices when another program (quillet-cli, a second copy of the app) has
// committed to the store file, through SQLite's data_version, which moves
// only for other connections' commits. Checked on a short timer and whenever
// the owner asks (the main window does when it gains focus).
class OutsideWrites : public QObject
{
    Q_OBJECT
public:
    static constexpr int kIntervalMs = 2000;

    explicit OutsideWrites(Database *database, QObject *parent = nullptr);

    void start();
    // Reads data_version now; emits changed() when it moved since last time.
    bool check();

Q_SIGNALS:
    void changed();

private:
    qint64 readVersion() const;

    Database *m_database;
    QTimer *m_timer;
    qint64 m_version = -1;
};
