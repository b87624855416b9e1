#include "cloud/credentialtokenstore.h"

#if defined(Q_OS_WIN)

#include <qt_windows.h>
#include <wincred.h>

namespace LarkAccount {

namespace {

QString readCredential(const QString &target)
{
    PCREDENTIALW credential = nullptr;
    if (!CredReadW(reinterpret_cast<LPCWSTR>(target.utf16()), CRED_TYPE_GENERIC, 0, &credential))
        return {};
    const QString value = QString::fromUtf8(reinterpret_cast<const char *>(credential->CredentialBlob),
                                            int(credential->CredentialBlobSize));
    CredFree(credential);
    return value;
}

bool writeCredential(const QString &target, const QString &value)
{
    QByteArray blob = value.toUtf8();
    std::wstring name = target.toStdWString();
    CREDENTIALW credential = {};
    credential.Type = CRED_TYPE_GENERIC;
    credential.TargetName = name.data();
    credential.CredentialBlobSize = DWORD(blob.size());
    credential.CredentialBlob = reinterpret_cast<LPBYTE>(blob.data());
    credential.Persist = CRED_PERSIST_LOCAL_MACHINE;
    return CredWriteW(&credential, 0);
}

} // namespace

CredentialTokenStore::CredentialTokenStore(const QString &appId, QObject *parent)
    : TokenStore(parent)
    , m_appId(appId)
{
}

void CredentialTokenStore::load(Loaded done)
{
    done({readCredential(entryName(m_appId, QLatin1String(kAccessKey))),
          readCredential(entryName(m_appId, QLatin1String(kRefreshKey)))});
}

void CredentialTokenStore::save(const Tokens &tokens, Saved done)
{
    const bool ok = writeCredential(entryName(m_appId, QLatin1String(kAccessKey)), tokens.access)
                    && writeCredential(entryName(m_appId, QLatin1String(kRefreshKey)), tokens.refresh);
    if (!ok)
        qWarning("Could not store the sign-in in the Credential Manager (error %lu)", GetLastError());
    done(ok);
}

void CredentialTokenStore::clear(Saved done)
{
    for (const char *key : {kAccessKey, kRefreshKey}) {
        const std::wstring name = entryName(m_appId, QLatin1String(key)).toStdWString();
        CredDeleteW(name.c_str(), CRED_TYPE_GENERIC, 0);
    }
    done(true);
}

} // namespace LarkAccount

#endif
