#pragma once

#include "cloud/tokenstore.h"

namespace LarkAccount {

class FileTokenStore;

// The tokens in the desktop's secret store through QtKeychain, one secret
// per token. When the secret service fails to answer, the file takes over
// for the rest of the run.
class KeychainTokenStore : public TokenStore
{
    Q_OBJECT
public:
    KeychainTokenStore(const QString &appId, FileTokenStore *fallback, QObject *parent);

    void load(Loaded done) override;
    void save(const Tokens &tokens, Saved done) override;
    void clear(Saved done) override;

private:
    void read(const QString &key, std::function<void(bool failed, const QString &value)> done);
    void write(const QString &key, const QString &value, std::function<void(bool failed)> done);
    void remove(const QString &key, std::function<void()> done);
    void fallBack();

    QString m_service;
    FileTokenStore *m_file;
    bool m_useFile = false;
};

} // namespace LarkAccount
