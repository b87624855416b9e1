#pragma once

#include <QStringList>

// Collects warning-and-above messages while alive, for tests whose behaviour
// is the logged message (a quarantine reason, a refused migration).
class LogCapture
{
public:
    LogCapture();
    ~LogCapture();

    QStringList messages() const;
    bool contains(const QString &fragment) const;
};
