// quillet-server: run the service, or add a user to its store.
#include "quillet/version.h"
#include "server/backend.h"
#include "server/server.h"
#include "server/store.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QHostInfo>
#include <QSocketNotifier>
#include <QTextStream>
#include <QUrl>

#include <csignal>
#include <cstdio>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>
#endif

using namespace QuilletServer;

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "quillet-server: %s\n", qPrintable(message));
    return 1;
}

bool databaseTarget(const QCommandLineParser &parser, DatabaseTarget *target, QString *error)
{
    const bool hasData = parser.isSet(QStringLiteral("data"));
    const bool hasUrl = parser.isSet(QStringLiteral("database"));
    if (hasData == hasUrl) {
        *error = QStringLiteral("give either --data DIR or --database URL");
        return false;
    }
    if (hasUrl)
        return DatabaseTarget::fromUrl(parser.value(QStringLiteral("database")), target, error);
    const QString dir = QDir(parser.value(QStringLiteral("data"))).absolutePath();
    if (!QDir().mkpath(dir)) {
        *error = QStringLiteral("cannot create the data folder %1").arg(dir);
        return false;
    }
    *target = DatabaseTarget::sqlite(QDir(dir).filePath(QStringLiteral("quillet-server.db")));
    return true;
}

// From the terminal without echo, asked twice; otherwise the first line of stdin.
QString readPassword(QString *error)
{
    QTextStream in(stdin);
#ifdef Q_OS_UNIX
    if (isatty(STDIN_FILENO)) {
        termios saved{};
        tcgetattr(STDIN_FILENO, &saved);
        termios quiet = saved;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
        std::fprintf(stderr, "Password: ");
        const QString first = in.readLine();
        std::fprintf(stderr, "\nRepeat password: ");
        const QString second = in.readLine();
        std::fprintf(stderr, "\n");
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
        if (first != second) {
            *error = QStringLiteral("the passwords differ");
            return {};
        }
        return first;
    }
#endif
    return in.readLine();
}

int addUser(const QCommandLineParser &parser, const QStringList &args)
{
    if (args.size() != 3 || args.at(1) != QLatin1String("add"))
        return fail(QStringLiteral("usage: quillet-server user add EMAIL [--name NAME] (--data DIR | --database URL)"));
    DatabaseTarget target;
    QString error;
    if (!databaseTarget(parser, &target, &error))
        return fail(error);
    Server server{ServerConfig()};
    if (!server.open(target, &error))
        return fail(error);
    const QString password = readPassword(&error);
    if (!error.isEmpty())
        return fail(error);
    User user;
    if (server.backend().users.create(args.at(2), parser.value(QStringLiteral("name")), password, &user, &error)
        != Users::Created::Ok)
        return fail(error);
    std::printf("added %s (%s)\n", qPrintable(user.email), qPrintable(user.id));
    return 0;
}

#ifdef Q_OS_UNIX
int signalPipe[2] = {-1, -1};
void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}

// SIGINT and SIGTERM end the event loop, so that the store closes cleanly.
void quitOnSignals(QCoreApplication *app)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, app);
    QObject::connect(notifier, &QSocketNotifier::activated, app, &QCoreApplication::quit);
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
}
#endif

int serve(const QCommandLineParser &parser)
{
    ServerConfig config;
    config.releasesDir = parser.value(QStringLiteral("releases"));
    config.publicUrl = parser.value(QStringLiteral("public-url"));
    while (config.publicUrl.endsWith(QLatin1Char('/')))
        config.publicUrl.chop(1);
    config.allowSignUp = !parser.isSet(QStringLiteral("no-sign-up"));
    if (parser.isSet(QStringLiteral("realm")))
        config.realm = parser.value(QStringLiteral("realm"));
    for (const QString &proxy : parser.values(QStringLiteral("trusted-proxy"))) {
        const QHostAddress address(proxy);
        if (address.isNull())
            return fail(QStringLiteral("--trusted-proxy wants an IP address, not %1").arg(proxy));
        config.trustedProxies.append(address);
    }
    const QStringList extraClients = parser.values(QStringLiteral("client-id"));
    config.clientIds.append(extraClients);

    const QUrl listen = QUrl::fromUserInput(QStringLiteral("http://") + parser.value(QStringLiteral("listen")));
    const QHostAddress address(listen.host());
    if (!listen.isValid() || address.isNull() || listen.port() <= 0)
        return fail(QStringLiteral("--listen wants ADDRESS:PORT, for example 127.0.0.1:8484"));

    DatabaseTarget target;
    QString error;
    if (!databaseTarget(parser, &target, &error))
        return fail(error);
    Server server(config);
    if (!server.open(target, &error))
        return fail(error);
    const quint16 port = server.listen(address, quint16(listen.port()), &error);
    if (port == 0)
        return fail(error);

    QString base = config.publicUrl;
    if (base.isEmpty()) {
        QString host = address.toString();
        if (address == QHostAddress::Any || address == QHostAddress::AnyIPv4 || address == QHostAddress::AnyIPv6)
            host = QHostInfo::localHostName();
        else if (address.protocol() == QAbstractSocket::IPv6Protocol)
            host = QLatin1Char('[') + host + QLatin1Char(']');
        base = QStringLiteral("http://%1:%2").arg(host).arg(port);
    }
    QTextStream out(stdout);
    out << "quillet-server: " << target.describe() << ", listening on " << address.toString() << ":" << port << "\n"
        << "Point the app at this server with:\n";
    for (const QString &line : Server::environmentLines(base, config))
        out << "  " << line << "\n";
    out.flush();
#ifdef Q_OS_UNIX
    quitOnSignals(QCoreApplication::instance());
#endif
    return QCoreApplication::exec();
}

} // namespace

int main(int argc, char *argv[])
{
    qSetMessagePattern(QStringLiteral("%{time yyyy-MM-ddThh:mm:ss} %{if-warning}warning: %{endif}"
                                      "%{if-critical}error: %{endif}%{message}"));
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quillet-server"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUILLET_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "The Larkspire Quillet sync server.\n"
        "  quillet-server --data DIR [--listen 127.0.0.1:8484] [--releases DIR]\n"
        "  quillet-server user add EMAIL [--name NAME] --data DIR"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({
        {QStringLiteral("listen"), QStringLiteral("Address and port to listen on."), QStringLiteral("address:port"),
         QStringLiteral("127.0.0.1:8484")},
        {QStringLiteral("data"), QStringLiteral("Folder of the SQLite store."), QStringLiteral("dir")},
        {QStringLiteral("database"), QStringLiteral("PostgreSQL instead: postgresql://user@host:port/dbname."),
         QStringLiteral("url")},
        {QStringLiteral("releases"), QStringLiteral("Folder served below /downloads (PRODUCT/CHANNEL/latest.json)."),
         QStringLiteral("dir")},
        {QStringLiteral("public-url"), QStringLiteral("Base URL clients use, when not the listen address."),
         QStringLiteral("url")},
        {QStringLiteral("realm"), QStringLiteral("Realm name in sign-in addresses."), QStringLiteral("name")},
        {QStringLiteral("client-id"), QStringLiteral("Another accepted client id (the app's default is always "
                                                     "accepted)."),
         QStringLiteral("id")},
        {QStringLiteral("trusted-proxy"), QStringLiteral("A reverse proxy whose X-Forwarded-For names the client."),
         QStringLiteral("address")},
        {QStringLiteral("no-sign-up"), QStringLiteral("Offer no sign-up form; add users with 'user add'.")},
        {QStringLiteral("name"), QStringLiteral("Display name for 'user add'."), QStringLiteral("name")},
    });
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("Nothing to serve, or 'user add EMAIL'."));
    parser.process(app);

    const QStringList args = parser.positionalArguments();
    if (!args.isEmpty() && args.first() == QLatin1String("user"))
        return addUser(parser, args);
    if (!args.isEmpty())
        return fail(QStringLiteral("unknown command %1").arg(args.first()));
    return serve(parser);
}
