#include "cli_options.h"

#include "sim/sim_trace.h"

#include <QFileInfo>

namespace {

const char kSimulateOption[] = "--simulate";
const char kTraceOption[] = "--trace";
const char kHelpOption[] = "--help";
const char kVersionOption[] = "--version";
const char kDirectOption[] = "--direct";
const char kVerboseOption[] = "--verbose";

} // namespace

bool parseCliOptions(QStringList args, CliOptions& options, QString* error)
{
    if (!takeDirectoryOptions(args, options.directories, error))
        return false;
    const QString& appDir = options.directories.appDir;
    if (!appDir.isEmpty() && !QFileInfo(appDir).isDir()) {
        *error = QStringLiteral("--app-dir %1 is not a directory").arg(appDir);
        return false;
    }
    while (!args.isEmpty() && args.first().startsWith(QLatin1String("--"))) {
        const QString option = args.takeFirst();
        if (option == QLatin1String(kHelpOption)) {
            options.help = true;
        } else if (option == QLatin1String(kVersionOption)) {
            options.version = true;
        } else if (option == QLatin1String(kSimulateOption)) {
            options.simulate = true;
        } else if (option == QLatin1String(kDirectOption)) {
            options.direct = true;
        } else if (option == QLatin1String(kVerboseOption)) {
            options.verbose = true;
        } else if (option == QLatin1String(kTraceOption)) {
            if (args.isEmpty()) {
                *error = QStringLiteral("--trace needs a file name");
                return false;
            }
            options.traceFile = args.takeFirst();
            options.traceFromOption = true;
        } else if (option.startsWith(QLatin1String(kTraceOption) + QLatin1Char('='))) {
            options.traceFile = option.mid(int(qstrlen(kTraceOption)) + 1);
            options.traceFromOption = true;
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
