// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_commands.h"
#include "cli_output.h"

int badArgument(const QString& text)
{
    err() << "mousecfg-cli: " << text << '\n';
    return kExitUsage;
}

bool takeOnlyOption(const QStringList& arguments, const char* command, const char* option, bool* given)
{
    QStringList rest = arguments;
    *given = rest.removeAll(QLatin1String(option)) > 0;
    if (rest.isEmpty())
        return true;
    badArgument(
        QStringLiteral("%1 takes only %2, not %3").arg(QLatin1String(command), QLatin1String(option), rest.first()));
    return false;
}

QString fileArgument(const QStringList& arguments, const char* command)
{
    if (arguments.size() != 1)
        badArgument(QStringLiteral("%1 takes one configuration file").arg(QLatin1String(command)));
    else if (arguments.first().isEmpty())
        badArgument(QStringLiteral("%1 needs a file name, not an empty one").arg(QLatin1String(command)));
    else
        return arguments.first();
    return QString();
}
