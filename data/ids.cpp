#include "data/ids.h"

#include <QUuid>

namespace Ids {

QString newId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

QString nameBased(const QUuid &ns, const QString &key)
{
    return QUuid::createUuidV5(ns, key.toUtf8()).toString(QUuid::WithoutBraces);
}

} // namespace Ids
