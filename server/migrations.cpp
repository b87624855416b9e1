#include "server/migrations.h"
#include "server/store.h"

#include <QDateTime>
#include <QSqlError>
#include <QSqlQuery>

#include <vector>

namespace QuilletServer::Migrations {

namespace {

struct Step {
    int version;
    const char *name;
    std::vector<const char *> statements;
};

// Times are ISO 8601 text in UTC; deadlines are seconds since the epoch so
// that they compare as numbers. Flags are 0/1 integers on both databases.
const std::vector<Step> &steps()
{
    static const std::vector<Step> all = {
        {1,
         "identity",
         {"CREATE TABLE users ("
          " id TEXT PRIMARY KEY,"
          " email TEXT NOT NULL UNIQUE,"
          " display_name TEXT NOT NULL,"
          " password_hash TEXT NOT NULL,"
          " created_at TEXT NOT NULL,"
          " change_seq BIGINT NOT NULL DEFAULT 0)",
          "CREATE TABLE sessions ("
          " id TEXT PRIMARY KEY,"
          " user_id TEXT NOT NULL REFERENCES users(id) ON DELETE CASCADE,"
          " client_id TEXT NOT NULL,"
          " created_at TEXT NOT NULL,"
          " revoked_at TEXT)",
          "CREATE INDEX sessions_user ON sessions (user_id)",
          "CREATE TABLE refresh_tokens ("
          " token_hash TEXT PRIMARY KEY,"
          " session_id TEXT NOT NULL REFERENCES sessions(id) ON DELETE CASCADE,"
          " expires_at BIGINT NOT NULL,"
          " rotated INTEGER NOT NULL DEFAULT 0)",
          "CREATE INDEX refresh_tokens_session ON refresh_tokens (session_id)",
          "CREATE TABLE access_tokens ("
          " token_hash TEXT PRIMARY KEY,"
          " session_id TEXT NOT NULL REFERENCES sessions(id) ON DELETE CASCADE,"
          " expires_at BIGINT NOT NULL)",
          "CREATE INDEX access_tokens_session ON access_tokens (session_id)",
          "CREATE TABLE auth_codes ("
          " code_hash TEXT PRIMARY KEY,"
          " user_id TEXT NOT NULL REFERENCES users(id) ON DELETE CASCADE,"
          " client_id TEXT NOT NULL,"
          " redirect_uri TEXT NOT NULL,"
          " code_challenge TEXT NOT NULL,"
          " expires_at BIGINT NOT NULL,"
          " used INTEGER NOT NULL DEFAULT 0,"
          " session_id TEXT)",
          "CREATE TABLE device_grants ("
          " device_code_hash TEXT PRIMARY KEY,"
          " user_code TEXT NOT NULL UNIQUE,"
          " client_id TEXT NOT NULL,"
          " expires_at BIGINT NOT NULL,"
          " poll_interval INTEGER NOT NULL,"
          " last_poll_at BIGINT NOT NULL DEFAULT 0,"
          " status TEXT NOT NULL DEFAULT 'pending',"
          " user_id TEXT REFERENCES users(id) ON DELETE CASCADE)",
          "CREATE TABLE devices ("
          " user_id TEXT NOT NULL REFERENCES users(id) ON DELETE CASCADE,"
          " device_id TEXT NOT NULL,"
          " name TEXT NOT NULL,"
          " platform TEXT NOT NULL,"
          " app_version TEXT NOT NULL,"
          " created_at TEXT NOT NULL,"
          " last_seen_at TEXT NOT NULL,"
          " PRIMARY KEY (user_id, device_id))"}},
        {2,
         "sync records",
         {"CREATE TABLE records ("
          " user_id TEXT NOT NULL REFERENCES users(id) ON DELETE CASCADE,"
          " entity_type TEXT NOT NULL,"
          " client_id TEXT NOT NULL,"
          " server_id TEXT NOT NULL UNIQUE,"
          " version BIGINT NOT NULL,"
          " seq BIGINT NOT NULL,"
          " deleted INTEGER NOT NULL DEFAULT 0,"
          " account_id TEXT NOT NULL DEFAULT '',"
          " payload TEXT NOT NULL,"
          " updated_at TEXT NOT NULL,"
          " PRIMARY KEY (user_id, entity_type, client_id))",
          "CREATE INDEX records_changes ON records (user_id, entity_type, seq)",
          "CREATE INDEX records_live ON records (user_id, entity_type, deleted, account_id)"}},
        // A user belongs to at most one family group (the UNIQUE user_id); the
        // owner is a member like the others. Invitations name an address, so a
        // person can be invited before they have an account.
        {3,
         "family groups and browser sessions",
         {"CREATE TABLE family_groups ("
          " id TEXT PRIMARY KEY,"
          " owner_user_id TEXT NOT NULL REFERENCES users(id) ON DELETE CASCADE,"
          " name TEXT NOT NULL,"
          " created_at TEXT NOT NULL)",
          "CREATE TABLE family_members ("
          " group_id TEXT NOT NULL REFERENCES family_groups(id) ON DELETE CASCADE,"
          " user_id TEXT NOT NULL UNIQUE REFERENCES users(id) ON DELETE CASCADE,"
          " joined_at TEXT NOT NULL,"
          " PRIMARY KEY (group_id, user_id))",
          "CREATE TABLE family_invitations ("
          " id TEXT PRIMARY KEY,"
          " group_id TEXT NOT NULL REFERENCES family_groups(id) ON DELETE CASCADE,"
          " email TEXT NOT NULL,"
          " invited_by TEXT NOT NULL REFERENCES users(id) ON DELETE CASCADE,"
          " created_at TEXT NOT NULL,"
          " status TEXT NOT NULL DEFAULT 'pending')",
          "CREATE INDEX family_invitations_email ON family_invitations (email, status)",
          "CREATE INDEX family_invitations_group ON family_invitations (group_id, status)",
          // The account pages' sign-in: a cookie whose hash names a session
          // like the app's refresh tokens do.
          "CREATE TABLE browser_tokens ("
          " token_hash TEXT PRIMARY KEY,"
          " session_id TEXT NOT NULL REFERENCES sessions(id) ON DELETE CASCADE,"
          " expires_at BIGINT NOT NULL)",
          "CREATE INDEX browser_tokens_session ON browser_tokens (session_id)",
          "ALTER TABLE sessions ADD COLUMN last_used_at TEXT"}},
        {4,
         "account shares",
         {"CREATE TABLE account_shares ("
          " account_server_id TEXT NOT NULL REFERENCES records(server_id) ON DELETE CASCADE,"
          " owner_user_id TEXT NOT NULL REFERENCES users(id) ON DELETE CASCADE,"
          " member_user_id TEXT NOT NULL REFERENCES users(id) ON DELETE CASCADE,"
          " role TEXT NOT NULL CHECK (role IN ('viewer', 'editor')),"
          " created_at TEXT NOT NULL,"
          " PRIMARY KEY (account_server_id, member_user_id))",
          "CREATE INDEX account_shares_member ON account_shares (member_user_id)",
          "CREATE INDEX account_shares_owner ON account_shares (owner_user_id)",
          // A member's entry for each record shared with them, numbered in the
          // member's own change sequence; revoked once they may no longer see it.
          "CREATE TABLE shared_records ("
          " user_id TEXT NOT NULL REFERENCES users(id) ON DELETE CASCADE,"
          " server_id TEXT NOT NULL REFERENCES records(server_id) ON DELETE CASCADE,"
          " owner_user_id TEXT NOT NULL REFERENCES users(id) ON DELETE CASCADE,"
          " entity_type TEXT NOT NULL,"
          " client_id TEXT NOT NULL,"
          " seq BIGINT NOT NULL,"
          " revoked INTEGER NOT NULL DEFAULT 0,"
          " changed_at TEXT NOT NULL,"
          " PRIMARY KEY (user_id, server_id))",
          "CREATE INDEX shared_records_changes ON shared_records (user_id, entity_type, seq)",
          "CREATE INDEX shared_records_local ON shared_records (user_id, entity_type, client_id)",
          "CREATE INDEX shared_records_record ON shared_records (server_id)",
          "CREATE INDEX shared_records_owner ON shared_records (owner_user_id)"}},
    };
    return all;
}

bool ensureBookkeeping(Store &store, QString *error)
{
    QSqlQuery q(store.db());
    if (q.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS schema_migrations ("
                              " version INTEGER PRIMARY KEY,"
                              " name TEXT NOT NULL,"
                              " applied_at TEXT NOT NULL)")))
        return true;
    *error = QStringLiteral("cannot create the migration table");
    return false;
}

} // namespace

int latestVersion()
{
    return steps().back().version;
}

int currentVersion(Store &store)
{
    QSqlQuery q(store.db());
    if (!q.exec(QStringLiteral("SELECT COALESCE(MAX(version), 0) FROM schema_migrations")) || !q.next())
        return 0;
    return q.value(0).toInt();
}

bool run(Store &store, QString *error)
{
    if (!ensureBookkeeping(store, error))
        return false;
    const int current = currentVersion(store);
    if (current > latestVersion()) {
        *error = QStringLiteral("the database has schema version %1, newer than this server's %2")
                     .arg(current)
                     .arg(latestVersion());
        return false;
    }
    for (const Step &step : steps()) {
        if (step.version <= current)
            continue;
        StoreTransaction tx(store, StoreTransaction::Kind::Write, error);
        if (!tx.isActive())
            return false;
        for (const char *sql : step.statements) {
            QSqlQuery q(store.db());
            if (!q.exec(QString::fromLatin1(sql))) {
                *error = QStringLiteral("migration %1 (%2) failed: %3")
                             .arg(step.version)
                             .arg(QString::fromLatin1(step.name), q.lastError().text());
                return false;
            }
        }
        Query record(store, QStringLiteral("INSERT INTO schema_migrations (version, name, applied_at) VALUES (?, ?, ?)"));
        record.bind(step.version)
            .bind(QString::fromLatin1(step.name))
            .bind(QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
        if (!record.exec(error) || !tx.commit(error))
            return false;
    }
    return true;
}

} // namespace QuilletServer::Migrations
