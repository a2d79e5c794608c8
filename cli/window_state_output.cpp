// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_state_output.h"

#include "platform/mouse_bus.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

using namespace MouseBus;

QVariant value(const QVariantMap& properties, const char* name)
{
    return properties.value(QLatin1String(name));
}

const char* yesNo(const QVariant& flag)
{
    return flag.toBool() ? "yes" : "no";
}

} // namespace

QString statusText(const QVariantMap& properties)
{
    const int battery = value(properties, kBatteryPercent).toInt();
    QString text;
    text += QStringLiteral("connected %1\n").arg(QLatin1String(yesNo(value(properties, kConnected))));
    text += QStringLiteral("product %1\n").arg(value(properties, kProduct).toString());
    text += QStringLiteral("connection %1\n").arg(value(properties, kConnection).toString());
    const QStringList names = value(properties, kSlotNames).toStringList();
    const uint slot = value(properties, kActiveSlot).toUInt();
    text += QStringLiteral("slot %1 %2\n").arg(slot).arg(names.value(int(slot) - 1));
    for (int i = 0; i < names.size(); ++i)
        text += QStringLiteral("slot name %1 %2\n").arg(i + 1).arg(names.at(i));
    text += QStringLiteral("dpi stage %1\n").arg(value(properties, kDpiStage).toUInt());
    text += QStringLiteral("dpi %1\n").arg(value(properties, kDpi).toUInt());
    text += QStringLiteral("report rate %1 Hz\n").arg(value(properties, kReportRateHz).toUInt());
    text += battery < 0 ? QStringLiteral("battery unknown\n") : QStringLiteral("battery %1%\n").arg(battery);
    text += QStringLiteral("charging %1\n").arg(QLatin1String(yesNo(value(properties, kCharging))));
    text += QStringLiteral("mouse off %1\n").arg(QLatin1String(yesNo(value(properties, kMouseOff))));
    text += QStringLiteral("pending upload %1\n").arg(QLatin1String(yesNo(value(properties, kPendingUpload))));
    return text;
}

QString statusJson(const QVariantMap& properties)
{
    const QJsonObject object{
        { QStringLiteral("connected"), value(properties, kConnected).toBool() },
        { QStringLiteral("product"), value(properties, kProduct).toString() },
        { QStringLiteral("connection"), value(properties, kConnection).toString() },
        { QStringLiteral("slot"), int(value(properties, kActiveSlot).toUInt()) },
        { QStringLiteral("slotNames"), QJsonArray::fromStringList(value(properties, kSlotNames).toStringList()) },
        { QStringLiteral("dpiStage"), int(value(properties, kDpiStage).toUInt()) },
        { QStringLiteral("dpi"), int(value(properties, kDpi).toUInt()) },
        { QStringLiteral("reportRateHz"), int(value(properties, kReportRateHz).toUInt()) },
        { QStringLiteral("battery"), value(properties, kBatteryPercent).toInt() },
        { QStringLiteral("charging"), value(properties, kCharging).toBool() },
        { QStringLiteral("mouseOff"), value(properties, kMouseOff).toBool() },
        { QStringLiteral("pendingUpload"), value(properties, kPendingUpload).toBool() },
    };
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

QString summaryLine(const QVariantMap& properties, bool json)
{
    const int battery = value(properties, kBatteryPercent).toInt();
    const bool charging = value(properties, kCharging).toBool();
    const uint slot = value(properties, kActiveSlot).toUInt();
    const uint dpi = value(properties, kDpi).toUInt();
    // Written out rather than through QJsonObject, which would sort the keys: a status bar reads
    // them in this order.
    if (json)
        return QStringLiteral("{\"battery\":%1,\"charging\":%2,\"slot\":%3,\"dpi\":%4}")
            .arg(battery)
            .arg(QLatin1String(charging ? "true" : "false"))
            .arg(slot)
            .arg(dpi);
    return QStringLiteral("battery %1 charging %2 slot %3 dpi %4")
        .arg(battery < 0 ? QStringLiteral("unknown") : QStringLiteral("%1%").arg(battery))
        .arg(QLatin1String(charging ? "yes" : "no"))
        .arg(slot)
        .arg(dpi);
}
