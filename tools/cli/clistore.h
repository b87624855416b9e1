#pragma once

#include "data/store.h"

#include <QString>

#include <memory>

class Services;

// The store as the app opens it: same data directory, same migrations, same
// default categories, and the same services to write through.
class CliStore : public Store
{
public:
    CliStore();
    ~CliStore();

    // False (with error() set) when the database cannot be opened or migrated.
    bool open();
    QString error() const { return m_error; }

    QString dataDirectory() const { return m_dataDirectory; }
    QString databasePath() const { return m_databasePath; }

    Services *services() const { return m_services.get(); }

private:
    QString m_error;
    QString m_dataDirectory;
    QString m_databasePath;
    std::unique_ptr<Services> m_services;
};
