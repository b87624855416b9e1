#include "data/database.h"
#include "services/backupservice.h"
#include "services/services.h"
#include "tools/cli/clistore.h"
#include "tools/cli/command.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonObject>

namespace {

const char *const kUsage = "usage: quillet-cli backup export FILE.zip\n"
                           "       quillet-cli backup import FILE.zip [--mode replace|keep-newer|skip|exact]\n";

const char *const kCountKeys[] = {"accountCount",   "categoryCount",  "transactionCount",
                                  "splitLineCount", "recurringCount", "reconciliationCount"};

int usage(QTextStream &err)
{
    err << kUsage;
    return CliExit::Usage;
}

int runExport(CliStore &store, const QString &path, QTextStream &out, QTextStream &err)
{
    QJsonObject manifest;
    const QByteArray bytes = store.services()->backup()->exportBackup(&manifest);
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
            out << "safety copy: " << QDir::toNativeSeparators(result.safetyCopy) << "\n";
    }
    for (const QString &error : result.errors)
        err << error << "\n";
    return result.accepted ? CliExit::Ok : CliExit::Failure;
}

int runBackup(CliStore &store, const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.size() == 2 && args.at(0) == QLatin1String("export"))
        return runExport(store, args.at(1), out, err);
    if (args.size() < 2 || args.at(0) != QLatin1String("import"))
        return usage(err);

    BackupMode mode = BackupMode::Replace;
    const QStringList options = args.mid(2);
    if (!options.isEmpty()) {
        // "--mode NAME" or "--mode=NAME"
        QString name;
        if (options.size() == 2 && options.at(0) == QLatin1String("--mode"))
            name = options.at(1);
        else if (options.size() == 1 && options.at(0).startsWith(QLatin1String("--mode=")))
            name = options.at(0).mid(7);
        if (name == QLatin1String("replace"))
            mode = BackupMode::Replace;
        else if (name == QLatin1String("keep-newer"))
            mode = BackupMode::KeepNewer;
        else if (name == QLatin1String("skip"))
            mode = BackupMode::Skip;
        else if (name == QLatin1String("exact"))
            mode = BackupMode::Exact;
        else
            return usage(err);
    }
    return runImport(store, args.at(1), mode, out, err);
}

const CliCommand::Registrar backupCommand("backup",
                                          "backup export FILE.zip | backup import FILE.zip "
                                          "[--mode replace|keep-newer|skip|exact]",
                                          runBackup);

} // namespace
