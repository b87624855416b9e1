#pragma once

#include <QObject>
#include <QString>

#include <functional>

namespace LarkAccount {

struct Config;

struct Tokens {
    QString access;
    QString refresh;

    bool isEmpty() const { return refresh.isEmpty(); }
};

// Where the sign-in tokens are kept between runs. Reads and writes may take
// a turn of the event loop (a secret service answers over D-Bus); each
// completion is called exactly once. Tokens are never logged.
class TokenStore : public QObject
{
    Q_OBJECT
public:
    using Loaded = std::function<void(const Tokens &tokens)>;
    using Saved = std::function<void(bool ok)>;

    using QObject::QObject;

    // The stored tokens, empty when there are none.
    virtual void load(Loaded done) = 0;
    virtual void save(const Tokens &tokens, Saved done) = 0;
    virtual void clear(Saved done) = 0;

    // The platform's secret store (the Credential Manager on Windows, the
    // Secret Service or KWallet elsewhere), or the file in the data folder
    // when QUILLET_TOKEN_STORE is "file" or no secret service can answer.
    static TokenStore *create(const Config &config, const QString &dataDirectory, QObject *parent);

    // "Larkspire/<application id>/<key>", the name of one secret.
    static QString entryName(const QString &appId, const QString &key);
    static const char *const kAccessKey;
    static const char *const kRefreshKey;
};

} // namespace LarkAccount
