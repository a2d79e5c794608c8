// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_commands.h"
#include "cli_output.h"
#include "device/commands.h"
#include "device_session.h"
#include "window_link.h"

#include <QRegularExpression>

namespace {

// The profile number, 1..5 as on the mouse and in the window, or 0 after printing why not.
// "01", "+2" or "3.0" are not taken for a number.
int profileNumber(const QStringList& arguments)
{
    static const QRegularExpression slotPattern(
        QRegularExpression::anchoredPattern(QStringLiteral("[1-%1]").arg(kOnBoardProfileCount)));
    if (arguments.size() == 1 && slotPattern.match(arguments.first()).hasMatch())
        return arguments.first().toInt();
    const QString given = arguments.isEmpty() ? QStringLiteral("nothing") : arguments.join(QLatin1Char(' '));
    badArgument(QStringLiteral("select-profile takes the profile number, 1 to %1, not %2")
                    .arg(kOnBoardProfileCount)
                    .arg(given));
    return 0;
}

int reportSelected(int number)
{
    out() << "On-board profile " << number << " selected.\n";
    return kExitOk;
}

} // namespace

int runSelectProfileCommand(const QStringList& arguments, DeviceSession& session)
{
    const int number = profileNumber(arguments);
    if (number == 0)
        return kExitUsage;
    if (!session.openProduct()) {
        err() << "No mouse connected.\n";
        return kExitNoDevice;
    }
    // The switch itself is not confirmed by the mouse; the commits after it are.
    const quint8 result = switchOnBoardProfile(quint8(number - 1));
    if (result != kTransportOk) {
        err() << "The mouse did not confirm the profile switch (transport result " << int(result) << ").\n";
        return exitCodeForResult(result);
    }
    return reportSelected(number);
}

int runSelectProfileThroughWindow(const QStringList& arguments, WindowLink& window)
{
    const int number = profileNumber(arguments);
    if (number == 0)
        return kExitUsage;
    const int result = window.call(MouseBus::kSelectSlot, { uint(number) }, kExitNotConfirmed);
    return result == kExitOk ? reportSelected(number) : result;
}
