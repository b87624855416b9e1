#pragma once

#include <QStringList>

// Collects warning-and-above messages while alive, for tests whose behaviour
// is the logged message (a quarantine reason, a refused migration).
class LogCapture
{
public:
    // withInfo: info messages are collected too (not passed on).
    explicit LogCapture(bool withInfo = false);
    ~LogCapture();

    QStringList messages() const;
    bool contains(const QString &fragment) const;
};
