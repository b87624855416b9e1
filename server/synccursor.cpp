#include "server/synccursor.h"

#include <QByteArrayList>

namespace QuilletServer {

namespace {
const QByteArray kPrefix = "q1:";
const auto kBase64 = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;
} // namespace

QString SyncCursor::toText() const
{
    QByteArrayList parts;
    for (const qint64 s : seq)
        parts.append(QByteArray::number(s));
    return QString::fromLatin1((kPrefix + parts.join(',')).toBase64(kBase64));
}

bool SyncCursor::fromText(const QString &text, SyncCursor *out)
{
    *out = SyncCursor();
    if (text.isEmpty())
        return true;
    if (text.size() > 200)
        return false;
    const auto decoded = QByteArray::fromBase64Encoding(text.toLatin1(), kBase64 | QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || !decoded.decoded.startsWith(kPrefix))
        return false;
    const QByteArrayList parts = decoded.decoded.mid(kPrefix.size()).split(',');
    if (parts.size() != kEntityCount)
        return false;
    for (int i = 0; i < kEntityCount; ++i) {
        bool ok = false;
        const qint64 v = parts.at(i).toLongLong(&ok);
        if (!ok || v < 0 || parts.at(i).startsWith('+'))
            return false;
        out->seq[size_t(i)] = v;
    }
    return true;
}

} // namespace QuilletServer
