#pragma once

#include <QByteArray>
#include <QString>

namespace QuilletServer {

// How hard a password hash is to compute. The defaults are libsodium's
// "interactive" Argon2id limits; tests use the minimum to stay fast.
struct PasswordCost {
    unsigned long long opsLimit = 0;
    size_t memLimit = 0;
    static PasswordCost interactive();
    static PasswordCost minimum();
};

namespace Secrets {

// Must succeed once before anything below is used.
bool initialise();

bool hashPassword(const QString &password, const PasswordCost &cost, QString *hash);
bool verifyPassword(const QString &hash, const QString &password);

// 256 random bits, URL-safe base64 without padding: 43 characters.
QString randomToken();
// What the store keeps instead of a token: its SHA-256, hex.
QString tokenHash(const QString &token);
// Eight letters from an alphabet without vowels or look-alikes, as XXXX-XXXX.
QString randomUserCode();
// PKCE: base64url(SHA-256(verifier)) without padding.
QString s256Challenge(const QString &verifier);
// Comparison that takes the same time wherever the texts first differ.
bool equalConstantTime(const QByteArray &a, const QByteArray &b);

} // namespace Secrets
} // namespace QuilletServer
