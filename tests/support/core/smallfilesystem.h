#pragma once

#include <QString>
#include <QTemporaryDir>

// A tmpfs of a few MiB mounted over a temporary folder, for tests of what
// happens when the disk fills. Mounting needs root; elsewhere isValid() is
// false and reason() says why, for the test to skip with.
class SmallFileSystem
{
public:
    explicit SmallFileSystem(int megabytes);
    ~SmallFileSystem();

    SmallFileSystem(const SmallFileSystem &) = delete;
    SmallFileSystem &operator=(const SmallFileSystem &) = delete;

    bool isValid() const { return m_mounted; }
    QString reason() const { return m_reason; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    // Fills what is left of the file system with one file, leaving about
    // `spareBytes` free.
    bool fill(qint64 spareBytes = 0);
    // Removes the filler again.
    void drain();

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_reason;
};
