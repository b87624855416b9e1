#pragma once

#include <QString>

class QUuid;

namespace Ids {
// A random identifier: 36 lowercase characters with hyphens, no braces.
QString newId();
// A name-based (version 5) identifier of key in namespace ns, same text form.
QString nameBased(const QUuid &ns, const QString &key);
}
