#pragma once

#include <QStringList>
#include <QTextStream>

#include <functional>

class CliStore;

// One subcommand of quillet-cli. Commands register themselves from their own
// source file with a static CliCommand::Registrar.
struct CliCommand {
    using Handler = std::function<int(CliStore &store, const QStringList &args, QTextStream &out, QTextStream &err)>;

    QString name;
    QString usage;  // e.g. "info"
    Handler run;

    static QList<CliCommand> &all();

    struct Registrar {
        Registrar(const char *name, const char *usage, Handler handler);
    };
};

// Exit codes shared by every command.
namespace CliExit {
constexpr int Ok = 0;
constexpr int Failure = 1;
constexpr int Usage = 2;
}
