#pragma once

#include "server/syncchanges.h"

#include <QString>

#include <array>

namespace QuilletServer {

// Where a client stands in a user's change sequence: for each kind of record,
// the sequence number of the last one it has been sent. Clients store the
// text and hand it back; they never read it.
struct SyncCursor {
    std::array<qint64, kEntityCount> seq{};

    QString toText() const;
    // An empty text is the start. False for text this server did not hand out.
    static bool fromText(const QString &text, SyncCursor *out);
};

} // namespace QuilletServer
