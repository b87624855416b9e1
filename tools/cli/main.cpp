#include "data/logging.h"
#include "quillet/version.h"
#include "tools/cli/clistore.h"
#include "tools/cli/command.h"

#include <QCoreApplication>

#include <cstdio>

QList<CliCommand> &CliCommand::all()
{
    static QList<CliCommand> commands;
    return commands;
}

CliCommand::Registrar::Registrar(const char *name, const char *usage, Handler handler)
{
    all().append({QString::fromUtf8(name), QString::fromUtf8(usage), std::move(handler)});
}

namespace {

void printUsage(QTextStream &err)
{
    QStringList lines;
    for (const CliCommand &c : CliCommand::all())
        lines.append(c.usage);
    std::sort(lines.begin(), lines.end());
    err << "usage: quillet-cli <command> [arguments]\n";
    for (const QString &line : std::as_const(lines))
        err << "  quillet-cli " << line << "\n";
    err.flush();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    Logging::installMessageFilter();
    QCoreApplication::setOrganizationName(QStringLiteral("Larkspire"));
    QCoreApplication::setApplicationName(QStringLiteral(QUILLET_NAME));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUILLET_VERSION));

    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")) {
        printUsage(err);
        return args.isEmpty() ? CliExit::Usage : CliExit::Ok;
    }

    const QString name = args.takeFirst();
    for (const CliCommand &command : CliCommand::all()) {
        if (command.name != name)
            continue;
        CliStore store;
        if (!store.open()) {
            err << "quillet-cli: " << store.error() << "\n";
            return CliExit::Failure;
        }
        const int code = command.run(store, args, out, err);
        out.flush();
        err.flush();
        return code;
    }
    err << "quillet-cli: unknown command \"" << name << "\"\n";
    printUsage(err);
    return CliExit::Usage;
}
