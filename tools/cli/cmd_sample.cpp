#include "services/sampledata.h"
#include "tools/cli/clistore.h"
#include "tools/cli/command.h"

namespace {

int runSample(CliStore &store, const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.size() != 1 || (args.first() != QLatin1String("load") && args.first() != QLatin1String("clear"))) {
        err << "usage: quillet-cli sample load|clear\n";
        return CliExit::Usage;
    }
    SampleData sample(store.repositories());
    const SampleData::Result result = args.first() == QLatin1String("load") ? sample.load() : sample.clear();
    out << SampleData::message(result) << "\n";
    return result == SampleData::Result::Failed ? CliExit::Failure : CliExit::Ok;
}

const CliCommand::Registrar sampleCommand("sample", "sample load|clear", runSample);

} // namespace
