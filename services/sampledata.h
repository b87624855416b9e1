#pragma once

#include <QObject>
#include <QString>

#include "data/store.h"

// Demonstration data for newcomers, screenshots and development: several
// accounts with a few years of believable history ending today, every id
// beginning "sample-" so the whole set can be removed again.
class SampleData : public QObject
{
    Q_OBJECT
public:
    enum class Result { Loaded, AlreadyLoaded, Cleared, NothingToClear, Failed };

    explicit SampleData(const Repositories &repositories, QObject *parent = nullptr);

    bool isLoaded();
    Result load();
    Result clear();

    // The status text for a result ("Sample data loaded", ...).
    static QString message(Result result);

private:
    Repositories m_repos;
};
