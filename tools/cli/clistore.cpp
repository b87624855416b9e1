#include "tools/cli/clistore.h"

#include "data/datadirectory.h"
#include "services/categoryservice.h"
#include "services/services.h"

CliStore::CliStore() = default;

CliStore::~CliStore()
{
    m_services.reset();
}

bool CliStore::open()
{
    m_dataDirectory = DataDirectory::path();
    m_databasePath = DataDirectory::databasePath();
    if (!Store::open(m_databasePath, &m_error))
        return false;
    m_services = std::make_unique<Services>(*this);
    m_services->categories()->seedDefaultsIfEmpty();
    return true;
}
