// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mouse_bus_state.h"

QVariantMap MouseBusState::properties() const
{
    using namespace MouseBus;
    return {
        { QLatin1String(kConnected), connected },
        { QLatin1String(kProduct), product },
        { QLatin1String(kConnection), connection },
        { QLatin1String(kActiveSlot), activeSlot },
        { QLatin1String(kSlotNames), slotNames },
        { QLatin1String(kDpiStage), dpiStage },
        { QLatin1String(kDpi), dpi },
        { QLatin1String(kReportRateHz), reportRateHz },
        { QLatin1String(kBatteryPercent), batteryPercent },
        { QLatin1String(kBatteryLevel), batteryLevel },
        { QLatin1String(kCharging), charging },
        { QLatin1String(kMouseOff), mouseOff },
        { QLatin1String(kPendingUpload), pendingUpload },
        { QLatin1String(kSimulated), simulated },
    };
}

QVariantMap changedProperties(const MouseBusState& before, const MouseBusState& after)
{
    const QVariantMap old = before.properties();
    QVariantMap changed = after.properties();
    for (auto it = changed.begin(); it != changed.end();) {
        if (old.value(it.key()) == it.value())
            it = changed.erase(it);
        else
            ++it;
    }
    return changed;
}

QString connectionName(bool cable, bool receiver)
{
    if (cable && receiver)
        return QStringLiteral("both");
    if (cable)
        return QStringLiteral("cable");
    return receiver ? QStringLiteral("receiver") : QStringLiteral("none");
}
