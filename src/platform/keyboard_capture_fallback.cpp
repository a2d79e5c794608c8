#include "platform/keyboard_capture_backend.h"

namespace {

// Platforms without a global capture: the dialogs use their own window's key events.
class NoKeyCapture final : public GlobalKeyCapture::Backend
{
public:
    using Backend::Backend;
    bool start() override { return false; }
    void stop() override {}
    bool isRunning() const override { return false; }
};

} // namespace

std::unique_ptr<GlobalKeyCapture::Backend> createKeyCaptureBackend(GlobalKeyCapture& owner)
{
    return std::make_unique<NoKeyCapture>(owner);
}

// The toolkit's key is all these platforms offer.
bool keyFromNativeScanCode(quint32, bool, CapturedKey&)
{
    return false;
}
