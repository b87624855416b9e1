#pragma once

#include <QString>

namespace QuilletServer {

struct ServerContext;

struct User {
    QString id;
    QString email;
    QString displayName;
    QString createdAt;
};

// Accounts: addresses are kept trimmed and in lower case, passwords only as
// Argon2id hashes.
class Users
{
public:
    explicit Users(ServerContext &context);

    enum class Created { Ok, Invalid, Exists, Failed };
    // On anything but Ok, *error says why in words fit for the sign-up page.
    Created create(const QString &email, const QString &displayName, const QString &password, User *out,
                   QString *error);
    // True when the address belongs to an account with this password. An
    // unknown address costs one hash too, so timing does not tell which exist.
    bool verify(const QString &email, const QString &password, User *out);
    bool byId(const QString &id, User *out);

    static QString normaliseEmail(const QString &email);
    // Empty when acceptable, else the reason.
    static QString emailProblem(const QString &normalisedEmail);
    static QString passwordProblem(const QString &password);

private:
    bool byEmail(const QString &email, User *out, QString *hash);
    bool selectOne(const QString &column, const QString &value, User *out, QString *hash);
    ServerContext &m_context;
    QString m_decoyHash;
};

} // namespace QuilletServer
