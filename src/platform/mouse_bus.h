// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/program_identity.h"

#include <QString>

// The running window's session-bus service (data/dbus/org.mousecfg.Mouse1.xml): its names, shared
// by the service and its clients.
namespace MouseBus {

inline QString serviceName()
{
    return programDesktopId();
}
inline QString objectPath()
{
    return QStringLiteral("/org/mousecfg/mousecfg");
}
inline QString interfaceName()
{
    return QStringLiteral("org.mousecfg.Mouse1");
}

// Properties.
constexpr const char* kConnected = "Connected";
constexpr const char* kProduct = "Product";
constexpr const char* kConnection = "Connection";
constexpr const char* kActiveSlot = "ActiveSlot";
constexpr const char* kSlotNames = "SlotNames";
constexpr const char* kDpiStage = "DpiStage";
constexpr const char* kDpi = "Dpi";
constexpr const char* kReportRateHz = "ReportRateHz";
constexpr const char* kBatteryPercent = "BatteryPercent";
constexpr const char* kBatteryLevel = "BatteryLevel";
constexpr const char* kCharging = "Charging";
constexpr const char* kMouseOff = "MouseOff";
constexpr const char* kPendingUpload = "PendingUpload";
constexpr const char* kSimulated = "Simulated";

// Methods.
constexpr const char* kSelectSlot = "SelectSlot";
constexpr const char* kApply = "Apply";
constexpr const char* kImportConfiguration = "ImportConfiguration";
constexpr const char* kExportConfiguration = "ExportConfiguration";
constexpr const char* kShow = "Show";
constexpr const char* kRequestFullUpload = "RequestFullUpload";

// Errors; each carries the program's message.
enum class Error { None, NoMouse, MouseOff, Failed, BadFile, Busy };
QString errorName(Error error);
Error errorOfName(const QString& name);

} // namespace MouseBus
