#pragma once

#include "cloud/tokenstore.h"

#if defined(Q_OS_WIN)

namespace LarkAccount {

// The tokens in the Windows Credential Manager, one generic credential per
// token named "Larkspire/<application id>/<key>".
class CredentialTokenStore : public TokenStore
{
public:
    CredentialTokenStore(const QString &appId, QObject *parent);

    void load(Loaded done) override;
    void save(const Tokens &tokens, Saved done) override;
    void clear(Saved done) override;

private:
    QString m_appId;
};

} // namespace LarkAccount

#endif
