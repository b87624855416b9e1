#pragma once

#include "data/ids.h"
#include "data/records.h"

#include <QDateTime>

// The marks every change of a record by the user carries: who it is (id),
// when it was made and changed, and that it still has to reach the service.
namespace Stamps {

// A record the user creates: a fresh id when it has none, created and
// changed now, first version, pending, not yet known to the service.
template <typename Record>
void asNew(Record &r, const QDateTime &now)
{
    if (r.id.isEmpty())
        r.id = Ids::newId();
    r.createdAt = now;
    r.updatedAt = now;
    r.version = 1;
    r.syncStatus = SyncStatus::Pending;
    r.serverId.clear();
}

// The user's edit of the stored record: its identity and creation stay, the
// version goes up by one, changed now, pending.
template <typename Record>
void asEdit(Record &r, const Record &stored, const QDateTime &now)
{
    r.id = stored.id;
    r.createdAt = stored.createdAt;
    r.serverId = stored.serverId;
    r.version = stored.version + 1;
    r.updatedAt = now;
    r.syncStatus = SyncStatus::Pending;
}

} // namespace Stamps
