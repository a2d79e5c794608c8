#include "cli_commands.h"
#include "cli_output.h"
#include "configuration_send.h"
#include "device/sensor_resolution.h"
#include "session/startup.h"
#include "storage/app_config.h"
#include "storage/product_description.h"

int runDpiCommand(const QStringList& arguments, DeviceSession&)
{
    if (!arguments.isEmpty())
        return badArgument(QStringLiteral("dpi takes no argument, not %1").arg(arguments.first()));
    ConfigurationPair configuration;
    loadConfigurationReporting(configuration);
    const ConfigRecord& working = configuration.working;
    const int slot = working.ProfileID < kProfileCount ? working.ProfileID : 0;
    const ProfileRecord& profile = working.profiles[size_t(slot)];
    const int sensor = sensorVariant();
    const int shown = productDpiStageCount();
    const int stageCount = shown >= 1 && shown <= kDpiStageCount ? shown : kDpiStageCount;
    out() << "profile " << (slot + 1) << ' ' << working.profileNames[size_t(slot)] << '\n';
    for (int i = 0; i < stageCount; ++i) {
        const DpiStage& stage = profile.dpiStages[size_t(i)];
        out() << (i == profile.dpi ? '>' : ' ') << ' ' << (i + 1) << ' ' << (stage.used ? "on " : "off") << ' '
              << dpiOfStep(int(stage.x), sensor) << " x " << dpiOfStep(int(stage.y), sensor) << " dpi\n";
    }
    return kExitOk;
}
