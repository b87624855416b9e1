#include "server/users.h"
#include "server/secrets.h"
#include "server/serverconfig.h"
#include "server/store.h"

#include <QUuid>

namespace QuilletServer {

namespace {

bool hasControlCharacters(const QString &text)
{
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            return true;
    }
    return false;
}

} // namespace

Users::Users(ServerContext &context)
    : m_context(context)
{
}

QString Users::normaliseEmail(const QString &email)
{
    return email.trimmed().toLower();
}

QString Users::emailProblem(const QString &email)
{
    const int at = email.indexOf(QLatin1Char('@'));
    if (email.size() < 3 || email.size() > 254 || at <= 0 || at != email.lastIndexOf(QLatin1Char('@'))
        || at == email.size() - 1 || email.contains(QLatin1Char(' ')) || hasControlCharacters(email))
        return QStringLiteral("Enter a valid email address.");
    return {};
}

QString Users::passwordProblem(const QString &password)
{
    if (password.size() < 8)
        return QStringLiteral("The password needs at least 8 characters.");
    if (password.size() > 1024)
        return QStringLiteral("The password may have at most 1024 characters.");
    return {};
}

Users::Created Users::create(const QString &emailText, const QString &displayNameText, const QString &password,
                             User *out, QString *error)
{
    const QString email = normaliseEmail(emailText);
    *error = emailProblem(email);
    if (error->isEmpty())
        *error = passwordProblem(password);
    const QString displayName = error->isEmpty() ? normaliseDisplayName(displayNameText, email, error) : QString();
    if (!error->isEmpty())
        return Created::Invalid;

    User existing;
    if (byEmail(email, &existing, nullptr)) {
        *error = QStringLiteral("An account with this email address already exists. Sign in instead.");
        return Created::Exists;
    }
    QString hash;
    if (!Secrets::hashPassword(password, m_context.config.passwordCost, &hash)) {
        *error = QStringLiteral("The password could not be stored (out of memory).");
        return Created::Failed;
    }
    User user{QUuid::createUuid().toString(QUuid::WithoutBraces), email, displayName, m_context.nowIso()};
    Query q(*m_context.store, QStringLiteral("INSERT INTO users (id, email, display_name, password_hash, created_at) "
                                             "VALUES (?, ?, ?, ?, ?)"));
    q.bind(user.id).bind(user.email).bind(user.displayName).bind(hash).bind(user.createdAt);
    QString dbError;
    if (!q.exec(&dbError)) {
        qWarning("Users::create failed: %s", qPrintable(dbError));
        // A second sign-up for the same address may have won the race.
        if (byEmail(email, &existing, nullptr)) {
            *error = QStringLiteral("An account with this email address already exists. Sign in instead.");
            return Created::Exists;
        }
        *error = QStringLiteral("The account could not be stored. Try again later.");
        return Created::Failed;
    }
    if (out)
        *out = user;
    return Created::Ok;
}

QString Users::normaliseDisplayName(const QString &name, const QString &email, QString *problem)
{
    const QString simplified = name.simplified();
    if (simplified.size() > 100 || hasControlCharacters(simplified)) {
        *problem = QStringLiteral("The name may have at most 100 characters.");
        return {};
    }
    return simplified.isEmpty() ? email.left(email.indexOf(QLatin1Char('@'))) : simplified;
}

Users::Created Users::updateProfile(const QString &userId, const QString &displayNameText, const QString &emailText,
                                    User *out, QString *error)
{
    const QString email = normaliseEmail(emailText);
    *error = emailProblem(email);
    const QString displayName = error->isEmpty() ? normaliseDisplayName(displayNameText, email, error) : QString();
    if (!error->isEmpty())
        return Created::Invalid;
    User other;
    if (byEmail(email, &other, nullptr) && other.id != userId) {
        *error = QStringLiteral("Another account already uses this email address.");
        return Created::Exists;
    }
    Query q(*m_context.store, QStringLiteral("UPDATE users SET display_name = ?, email = ? WHERE id = ?"));
    q.bind(displayName).bind(email).bind(userId);
    QString dbError;
    if (!q.exec(&dbError) || !byId(userId, out)) {
        qWarning("Users::updateProfile failed: %s", qPrintable(dbError));
        *error = QStringLiteral("The change could not be stored. Try again later.");
        return Created::Failed;
    }
    return Created::Ok;
}

bool Users::setPassword(const QString &userId, const QString &password, QString *error)
{
    QString hash;
    if (!Secrets::hashPassword(password, m_context.config.passwordCost, &hash)) {
        *error = QStringLiteral("hashing the password ran out of memory");
        return false;
    }
    Query q(*m_context.store, QStringLiteral("UPDATE users SET password_hash = ? WHERE id = ?"));
    q.bind(hash).bind(userId);
    return q.exec(error);
}

bool Users::verify(const QString &email, const QString &password, User *out)
{
    QString hash;
    User user;
    if (!byEmail(normaliseEmail(email), &user, &hash)) {
        if (m_decoyHash.isEmpty())
            Secrets::hashPassword(QStringLiteral("decoy password"), m_context.config.passwordCost, &m_decoyHash);
        Secrets::verifyPassword(m_decoyHash, password);
        return false;
    }
    if (!Secrets::verifyPassword(hash, password))
        return false;
    if (out)
        *out = user;
    return true;
}

bool Users::byEmail(const QString &email, User *out, QString *hash)
{
    return selectOne(QStringLiteral("email"), email, out, hash);
}

bool Users::byId(const QString &id, User *out)
{
    return selectOne(QStringLiteral("id"), id, out, nullptr);
}

bool Users::selectOne(const QString &column, const QString &value, User *out, QString *hash)
{
    Query q(*m_context.store, QStringLiteral("SELECT id, email, display_name, created_at, password_hash FROM users "
                                             "WHERE %1 = ?").arg(column));
    q.bind(value);
    QString error;
    if (!q.exec(&error)) {
        qWarning("Users: reading a user failed: %s", qPrintable(error));
        return false;
    }
    if (!q.next())
        return false;
    out->id = q.value(0).toString();
    out->email = q.value(1).toString();
    out->displayName = q.value(2).toString();
    out->createdAt = q.value(3).toString();
    if (hash)
        *hash = q.value(4).toString();
    return true;
}

} // namespace QuilletServer
