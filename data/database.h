#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QStringList>

// Owns the one SQLite connection of the process and brings its schema up to
// date from the migration scripts kept as resources.
class Database : public QObject
{
    Q_OBJECT
public:
    struct Migration {
        int version;
        QString name;
        QString resource;
    };

    explicit Database(QObject *parent = nullptr);
    ~Database() override;

    bool open(const QString &path);
    bool runMigrations();
    bool isOpen() const;
    QString path() const { return m_path; }

    QSqlDatabase connection() const;

    // The fixed, ordered list of migrations. Tests may replace it.
    static QList<Migration> defaultMigrations();
    void setMigrations(const QList<Migration> &migrations) { m_migrations = migrations; }

    // Cuts a script into statements at ";" line ends, keeping trigger bodies
    // between BEGIN and END together and dropping "--" comment lines.
    static QStringList splitStatements(const QString &script);

    int schemaVersion() const;

Q_SIGNALS:
    void migrationApplied(int version, const QString &name);
    void migrationError(int version, const QString &error);

private:
    bool applyMigration(const Migration &migration, const QStringList &statements);

    QString m_connectionName;
    QString m_path;
    QList<Migration> m_migrations;
};
