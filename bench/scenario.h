#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>

// Options shared by every scenario, from the command line.
struct BenchOptions {
    double scale = 1.0;  // multiplies the default sizes; --scale=0.01 for a quick run
    int repeats = 5;     // runs per measurement; the median is reported
    QString workDir;     // stores and files are generated below it
    bool keep = false;   // keep generated stores for inspection
};

// One measured scenario. Each registers itself from its own source file.
struct BenchScenario {
    using Run = std::function<void(const BenchOptions &, QTextStream &)>;
    QString name;
    QString description;
    Run run;

    static QList<BenchScenario> &all();
    struct Registrar {
        Registrar(const char *name, const char *description, Run run);
    };
};
