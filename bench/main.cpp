#include "bench/scenario.h"
#include "data/logging.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>

QList<BenchScenario> &BenchScenario::all()
{
    static QList<BenchScenario> scenarios;
    return scenarios;
}

BenchScenario::Registrar::Registrar(const char *name, const char *description, Run run)
{
    all().append({QString::fromUtf8(name), QString::fromUtf8(description), std::move(run)});
}

int main(int argc, char *argv[])
{
    // Screens are measured offscreen unless a platform is asked for.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Logging::installMessageFilter();
    QCoreApplication::setOrganizationName(QStringLiteral("LarkspireBench"));
    QCoreApplication::setApplicationName(QStringLiteral("QuilletBench"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Quillet benchmarks: each figure next to a same-run baseline."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("scale"), QStringLiteral("Multiply the default sizes by <f>."), QStringLiteral("f"),
                      QStringLiteral("1")});
    parser.addOption({QStringLiteral("repeats"), QStringLiteral("Runs per measurement."), QStringLiteral("n"),
                      QStringLiteral("5")});
    parser.addOption({QStringLiteral("dir"), QStringLiteral("Work directory for generated stores."),
                      QStringLiteral("path")});
    parser.addOption({QStringLiteral("keep"), QStringLiteral("Keep generated stores.")});
    parser.addOption({QStringLiteral("list"), QStringLiteral("List the scenarios.")});
    parser.addPositionalArgument(QStringLiteral("scenario"), QStringLiteral("Scenarios to run (default: all)."));
    parser.process(app);

    QTextStream out(stdout);
    QList<BenchScenario> scenarios = BenchScenario::all();
    std::sort(scenarios.begin(), scenarios.end(),
              [](const BenchScenario &a, const BenchScenario &b) { return a.name < b.name; });
    if (parser.isSet(QStringLiteral("list"))) {
        for (const BenchScenario &s : std::as_const(scenarios))
            out << s.name << "\t" << s.description << "\n";
        return 0;
    }

    BenchOptions options;
    options.scale = parser.value(QStringLiteral("scale")).toDouble();
    if (options.scale <= 0)
        options.scale = 1.0;
    options.repeats = std::max(1, parser.value(QStringLiteral("repeats")).toInt());
    options.keep = parser.isSet(QStringLiteral("keep"));
    QTemporaryDir temp;
    options.workDir = parser.isSet(QStringLiteral("dir")) ? parser.value(QStringLiteral("dir")) : temp.path();
    QDir().mkpath(options.workDir);
    temp.setAutoRemove(!options.keep);

    const QStringList wanted = parser.positionalArguments();
    int ran = 0;
    for (const BenchScenario &s : std::as_const(scenarios)) {
        if (!wanted.isEmpty() && !wanted.contains(s.name))
            continue;
        out << "== " << s.name << ": " << s.description << "\n";
        out.flush();
        s.run(options, out);
        out.flush();
        ++ran;
    }
    if (ran == 0) {
        std::fprintf(stderr, "no scenario matched\n");
        return 2;
    }
    return 0;
}
