// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/terminal_options.h"

#include <QFile>
#include <cstdio>

QStringList argumentsBeforeApplication(int argc, char* argv[])
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QFile::decodeName(argv[i]);
    return args;
}

TerminalOptions takeTerminalOptions(QStringList args, const std::vector<std::pair<QString, bool*>>& flags)
{
    TerminalOptions options;
    options.help = args.removeAll(QStringLiteral("--help")) > 0;
    options.version = args.removeAll(QStringLiteral("--version")) > 0;
    for (const auto& [flag, present] : flags)
        *present = args.removeAll(flag) > 0;
    options.rest = args;
    return options;
}

QString firstUnknownLongOption(const QStringList& rest)
{
    for (const QString& arg : rest) {
        if (arg.startsWith(QLatin1String("--")))
            return arg;
    }
    return QString();
}

int answerHelpOrVersion(const TerminalOptions& options, const char* program, const char* usage, const char* version)
{
    if (options.help) {
        std::fputs(usage, stdout);
        return 0;
    }
    if (options.version) {
        std::printf("%s %s\n", program, version);
        return 0;
    }
    return -1;
}
