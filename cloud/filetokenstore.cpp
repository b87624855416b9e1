#include "cloud/filetokenstore.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace LarkAccount {

FileTokenStore::FileTokenStore(const QString &path, QObject *parent)
    : TokenStore(parent)
    , m_path(path)
{
}

void FileTokenStore::warnFallback(const QString &path)
{
    static bool warned = false;
    if (warned)
        return;
    warned = true;
    qWarning().noquote() << "No secret service answered; the sign-in is kept in a file only you can read:" << path;
}

void FileTokenStore::load(Loaded done)
{
    QFile file(m_path);
    Tokens tokens;
    if (file.open(QIODevice::ReadOnly)) {
        const QJsonObject stored = QJsonDocument::fromJson(file.readAll()).object();
        tokens.access = stored.value(QLatin1String(kAccessKey)).toString();
        tokens.refresh = stored.value(QLatin1String(kRefreshKey)).toString();
    }
    done(tokens);
}

void FileTokenStore::save(const Tokens &tokens, Saved done)
{
    QSaveFile file(m_path);
    bool ok = file.open(QIODevice::WriteOnly);
    // Owner only, before a single secret byte is written.
    ok = ok && file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QJsonObject stored{{QLatin1String(kAccessKey), tokens.access}, {QLatin1String(kRefreshKey), tokens.refresh}};
    ok = ok && file.write(QJsonDocument(stored).toJson(QJsonDocument::Compact)) >= 0;
    ok = ok && file.commit();
    if (!ok)
        qWarning().noquote() << "Could not store the sign-in in" << m_path << ":" << file.errorString();
    done(ok);
}

void FileTokenStore::clear(Saved done)
{
    done(!QFile::exists(m_path) || QFile::remove(m_path));
}

} // namespace LarkAccount
