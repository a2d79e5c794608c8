#include "cli_options.h"

#include "sim/sim_trace.h"

namespace {

const char kSimulateOption[] = "--simulate";
const char kTraceOption[] = "--trace";

} // namespace

bool parseCliOptions(QStringList args, CliOptions& options, QString* error)
{
    if (!takeDirectoryOptions(args, options.directories, error))
        return false;
    while (!args.isEmpty() && args.first().startsWith(QLatin1String("--"))) {
        const QString option = args.takeFirst();
        if (option == QLatin1String(kSimulateOption)) {
            options.simulate = true;
        } else if (option == QLatin1String(kTraceOption)) {
            if (args.isEmpty()) {
                *error = QStringLiteral("--trace needs a file name");
                return false;
            }
            options.traceFile = args.takeFirst();
        } else if (option.startsWith(QLatin1String(kTraceOption) + QLatin1Char('='))) {
            options.traceFile = option.mid(int(qstrlen(kTraceOption)) + 1);
        } else {
            *error = QStringLiteral("unknown option %1").arg(option);
            return false;
        }
    }
    if (options.traceFile.isEmpty() && options.simulate)
        options.traceFile = qEnvironmentVariable(kSimTraceVariable);
    if (!options.traceFile.isEmpty() && !options.simulate) {
        *error = QStringLiteral("--trace records the virtual mouse; it needs --simulate");
        return false;
    }
    if (!args.isEmpty())
        options.command = args.takeFirst();
    options.arguments = args;
    return true;
}
