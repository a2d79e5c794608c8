// SPDX-License-Identifier: GPL-3.0-or-later
// Platforms whose desktop we do not ask which window is in front.
#include "platform/active_window_source.h"
#include "platform/window_picker.h"

namespace {

class NoActiveWindowSource final : public ActiveWindowSource
{
public:
    bool isAvailable() const override { return false; }
    ActiveWindow current() const override { return {}; }
};

class NoWindowPicker final : public WindowPicker
{
public:
    bool isAvailable() const override { return false; }
    bool start() override { return false; }
    void cancel() override {}
    bool isPicking() const override { return false; }
};

} // namespace

std::unique_ptr<ActiveWindowSource> createActiveWindowSource()
{
    return std::make_unique<NoActiveWindowSource>();
}

std::unique_ptr<WindowPicker> createWindowPicker()
{
    return std::make_unique<NoWindowPicker>();
}
