#include "services/backupservice.h"
#include "services/safetycopies.h"
#include "services/services.h"
#include "tools/cli/clistore.h"
#include "tools/cli/command.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonObject>

namespace {

const char *const kUsage = "usage: quillet-cli backup export FILE.zip\n"
                           "       quillet-cli backup import FILE.zip [--mode replace|keep-newer|skip|exact]\n"
                           "       quillet-cli backup list\n"
                           "       quillet-cli backup restore-copy NAME\n";

const char *const kCountKeys[] = {"accountCount",   "categoryCount",  "transactionCount",
                                  "splitLineCount", "recurringCount", "reconciliationCount"};

int usage(QTextStream &err)
{
    err << kUsage;
    return CliExit::Usage;
}

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

int runExport(CliStore &store, const QString &path, QTextStream &out, QTextStream &err)
{
    BackupService *backup = store.services()->backup();
    QJsonObject manifest;
    QString error;
    const QByteArray bytes = backup->exportBackup(&manifest, &error);
    if (bytes.isEmpty()) {
        err << "quillet-cli: " << error << "\n"
            << "Safety copies of the store are kept in " << native(backup->safetyCopies()->folder())
            << " (quillet-cli backup list).\n";
        return CliExit::Failure;
    }
    if (!BackupService::writeFile(path, bytes)) {
        err << "quillet-cli: could not write to " << path << "\n";
        return CliExit::Failure;
    }
    out << "file: " << QFileInfo(path).absoluteFilePath() << "\n";
    for (const char *key : kCountKeys)
        out << key << ": " << manifest.value(QLatin1String(key)).toInt() << "\n";
    return CliExit::Ok;
}

int runImport(CliStore &store, const QString &path, BackupMode mode, QTextStream &out, QTextStream &err)
{
    QByteArray bytes;
    if (!BackupService::readFile(path, &bytes)) {
        err << "quillet-cli: could not read " << path << "\n";
        return CliExit::Failure;
    }
    const BackupImportResult result = store.services()->backup()->importBackup(bytes, mode);
    if (result.accepted) {
        out << QStringLiteral("Imported %1 items, skipped %2.").arg(result.imported).arg(result.skipped) << "\n";
        if (mode == BackupMode::Exact)
            out << "safety copy: " << native(result.safetyCopy) << "\n";
    }
    for (const QString &error : result.errors)
        err << error << "\n";
    return result.accepted ? CliExit::Ok : CliExit::Failure;
}

int runList(CliStore &store, QTextStream &out)
{
    SafetyCopies *copies = store.services()->backup()->safetyCopies();
    out << "folder: " << native(copies->folder()) << "\n";
    for (const SafetyCopies::Copy &copy : copies->list()) {
        out << copy.name << "  " << copy.created.toString(QStringLiteral("yyyy-MM-dd HH:mm")) << "  " << copy.size
            << " bytes\n";
    }
    return CliExit::Ok;
}

int runRestoreCopy(CliStore &store, const QString &name, QTextStream &out, QTextStream &err)
{
    QString before;
    QString error;
    if (!store.services()->backup()->restoreCopy(name, &before, &error)) {
        err << "quillet-cli: " << error << "\n";
        return CliExit::Failure;
    }
    out << "Restored " << name << ".\n"
        << "safety copy: " << native(before) << "\n";
    return CliExit::Ok;
}

bool parseMode(const QStringList &options, BackupMode *mode)
{
    if (options.isEmpty())
        return true;
    // "--mode NAME" or "--mode=NAME"
    QString name;
    if (options.size() == 2 && options.at(0) == QLatin1String("--mode"))
        name = options.at(1);
    else if (options.size() == 1 && options.at(0).startsWith(QLatin1String("--mode=")))
        name = options.at(0).mid(7);
    const QList<QPair<QLatin1String, BackupMode>> modes = {{QLatin1String("replace"), BackupMode::Replace},
                                                           {QLatin1String("keep-newer"), BackupMode::KeepNewer},
                                                           {QLatin1String("skip"), BackupMode::Skip},
                                                           {QLatin1String("exact"), BackupMode::Exact}};
    for (const auto &[text, value] : modes) {
        if (name == text) {
            *mode = value;
            return true;
        }
    }
    return false;
}

int runBackup(CliStore &store, const QStringList &args, QTextStream &out, QTextStream &err)
{
    const QString verb = args.value(0);
    if (verb == QLatin1String("export") && args.size() == 2)
        return runExport(store, args.at(1), out, err);
    if (verb == QLatin1String("list") && args.size() == 1)
        return runList(store, out);
    if (verb == QLatin1String("restore-copy") && args.size() == 2)
        return runRestoreCopy(store, args.at(1), out, err);
    BackupMode mode = BackupMode::Replace;
    if (verb == QLatin1String("import") && args.size() >= 2 && parseMode(args.mid(2), &mode))
        return runImport(store, args.at(1), mode, out, err);
    return usage(err);
}

const CliCommand::Registrar backupCommand("backup",
                                          "backup export FILE.zip | backup import FILE.zip "
                                          "[--mode replace|keep-newer|skip|exact] | backup list | "
                                          "backup restore-copy NAME",
                                          runBackup);

} // namespace
