#include "cli_commands.h"
#include "cli_output.h"
#include "device/commands.h"
#include "device_session.h"

#include <QRegularExpression>

int runSelectProfileCommand(const QStringList& arguments, DeviceSession& session)
{
    // The profiles are numbered 1..5 as on the mouse and in the window; "01", "+2" or "3.0" are
    // not taken for a number.
    static const QRegularExpression slotPattern(
        QRegularExpression::anchoredPattern(QStringLiteral("[1-%1]").arg(kOnBoardProfileCount)));
    if (arguments.size() != 1 || !slotPattern.match(arguments.first()).hasMatch()) {
        const QString given = arguments.isEmpty() ? QStringLiteral("nothing") : arguments.join(QLatin1Char(' '));
        return badArgument(QStringLiteral("select-profile takes the profile number, 1 to %1, not %2")
                               .arg(kOnBoardProfileCount)
                               .arg(given));
    }
    const int number = arguments.first().toInt();
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
    out() << "On-board profile " << number << " selected.\n";
    return kExitOk;
}
