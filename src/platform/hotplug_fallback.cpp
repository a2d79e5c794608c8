#include "platform/hotplug.h"

namespace {

class NoHotplugSource final : public HotplugSource
{
public:
    using HotplugSource::HotplugSource;
    bool start() override { return false; }
    void stop() override {}
};

} // namespace

std::unique_ptr<HotplugSource> createHotplugSource(QObject* parent)
{
    return std::make_unique<NoHotplugSource>(parent);
}
