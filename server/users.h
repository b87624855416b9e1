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

    // The account pages' changes. An address taken by another account is
    // Exists; an empty name becomes the address's local part.
    Created updateProfile(const QString &userId, const QString &displayName, const QString &email, User *out,
                          QString *error);
    // Stores a new hash; the caller checked the password and holds the transaction.
    bool setPassword(const QString &userId, const QString &password, QString *error);

    static QString normaliseEmail(const QString &email);
    // Empty when acceptable, else the reason.
    static QString emailProblem(const QString &normalisedEmail);
    static QString passwordProblem(const QString &password);
    // The name as stored (or empty with *problem set).
    static QString normaliseDisplayName(const QString &name, const QString &email, QString *problem);

private:
    bool byEmail(const QString &email, User *out, QString *hash);
    bool selectOne(const QString &column, const QString &value, User *out, QString *hash);
    ServerContext &m_context;
    QString m_decoyHash;
};

} // namespace QuilletServer
