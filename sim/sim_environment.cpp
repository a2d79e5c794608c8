#include "sim/sim_environment.h"

#include "sim/virtual_mouse.h"

#include <QString>

namespace {

const char kSimPlugVariable[] = "MOUSECFG_SIM_PLUG";
const char kSimFaultVariable[] = "MOUSECFG_SIM_FAULT";
constexpr int kEveryTransfer = 1 << 20;
constexpr int kAlteredEchoByte = 10;

} // namespace

void applySimEnvironment(VirtualMouse& mouse)
{
    const QString plug = qEnvironmentVariable(kSimPlugVariable, QStringLiteral("receiver"));
    if (plug == QLatin1String("receiver") || plug == QLatin1String("both"))
        mouse.plug(MouseLink::Receiver);
    if (plug == QLatin1String("cable") || plug == QLatin1String("both"))
        mouse.plug(MouseLink::Cable);
    const QString fault = qEnvironmentVariable(kSimFaultVariable);
    if (fault == QLatin1String("asleep"))
        mouse.sleep();
    else if (fault == QLatin1String("bad-echo"))
        mouse.alterNextEchoes(kEveryTransfer, kAlteredEchoByte);
    else if (fault == QLatin1String("write-failure"))
        mouse.failNextWrites(kEveryTransfer);
}
