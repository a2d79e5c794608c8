// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_commands.h"
#include "cli_output.h"
#include "configuration_send.h"
#include "device/sensor_resolution.h"
#include "session/startup.h"
#include "storage/app_config.h"
#include "storage/product_description.h"
#include "window_link.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// The stages of slot (0-based) of the stored configuration, active (0-based) marked; -1 for the
// stored ones.
int printStages(int slot, int active, bool json)
{
    ConfigurationPair configuration;
    loadConfigurationReporting(configuration);
    const ConfigRecord& working = configuration.working;
    if (slot < 0)
        slot = working.ProfileID;
    if (slot >= kProfileCount)
        slot = 0;
    const ProfileRecord& profile = working.profiles[size_t(slot)];
    const int sensor = sensorVariant();
    const int shown = productDpiStageCount();
    const int stageCount = shown >= 1 && shown <= kDpiStageCount ? shown : kDpiStageCount;
    if (active < 0)
        active = profile.dpi;
    QJsonArray stages;
    if (!json)
        out() << "profile " << (slot + 1) << ' ' << working.profileNames[size_t(slot)] << '\n';
    for (int i = 0; i < stageCount; ++i) {
        const DpiStage& stage = profile.dpiStages[size_t(i)];
        const int x = dpiOfStep(int(stage.x), sensor);
        const int y = dpiOfStep(int(stage.y), sensor);
        if (json)
            stages.append(QJsonObject{ { QStringLiteral("stage"), i + 1 },
                                       { QStringLiteral("on"), bool(stage.used) },
                                       { QStringLiteral("x"), x },
                                       { QStringLiteral("y"), y } });
        else
            out() << (i == active ? '>' : ' ') << ' ' << (i + 1) << ' ' << (stage.used ? "on " : "off") << ' ' << x
                  << " x " << y << " dpi\n";
    }
    if (json) {
        const QJsonObject object{ { QStringLiteral("profile"), slot + 1 },
                                  { QStringLiteral("name"), working.profileNames[size_t(slot)] },
                                  { QStringLiteral("active"), active + 1 },
                                  { QStringLiteral("stages"), stages } };
        out() << QJsonDocument(object).toJson(QJsonDocument::Compact) << '\n';
    }
    return kExitOk;
}

} // namespace

int runDpiCommand(const QStringList& arguments, DeviceSession&)
{
    bool json = false;
    if (!takeOnlyOption(arguments, "dpi", kJsonOption, &json))
        return kExitUsage;
    return printStages(-1, -1, json);
}

int runDpiThroughWindow(const QStringList& arguments, WindowLink& window)
{
    bool json = false;
    if (!takeOnlyOption(arguments, "dpi", kJsonOption, &json))
        return kExitUsage;
    // The stages are what was sent and saved; which slot and stage the mouse is on, the window
    // knows from the mouse's own reports.
    return printStages(int(window.property(MouseBus::kActiveSlot).toUInt()) - 1,
                       int(window.property(MouseBus::kDpiStage).toUInt()) - 1, json);
}
