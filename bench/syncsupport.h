#pragma once

#include <QByteArray>
#include <QList>
#include <QNetworkAccessManager>
#include <QPair>
#include <QProcess>
#include <QString>
#include <QUrl>

// The sync server as the benchmarks drive it: in a process of its own (this
// program again, run as the "sync-server" scenario with kServerChildVariable
// naming the store), reached over real HTTP one request at a time.
namespace BenchSync {

inline constexpr char kServerChildVariable[] = "QUILLET_BENCH_SYNC_SERVER";

// The child: serve a SQLite store until killed, after telling the port.
void runServerChild(const QString &dbPath);

struct Reply {
    int status = 0;
    QByteArray body;
    QByteArray location;
};

// One request at a time, waited for in a local event loop.
Reply request(QNetworkAccessManager &nam, const QUrl &url, const QByteArray &method, const QByteArray &body = {},
              const QByteArray &type = {}, const QString &token = {});
QByteArray form(const QList<QPair<QString, QString>> &fields);

struct Tokens {
    QString access;
    QString refresh;
};
// Sign-up through the page and the code exchange, as the app does.
Tokens signUp(QNetworkAccessManager &nam, const QUrl &base, const QString &email);

// A SQLite store file with its journal files.
void removeStore(const QString &path);

// This program again, serving a fresh store; killed when it goes.
class ServerChild
{
public:
    ~ServerChild();
    bool start(const QString &dbPath, const QString &workDir, QString *why);
    qint64 pid() const { return m_process.processId(); }
    QUrl base;

private:
    QProcess m_process;
};

} // namespace BenchSync
