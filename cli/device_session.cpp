#include "device_session.h"

#include "cli_commands.h"
#include "cli_options.h"
#include "device/device_state.h"
#include "device/discovery.h"
#include "session/startup.h"
#include "sim/sim_backend.h"
#include "sim/sim_environment.h"
#include "sim/virtual_mouse.h"

DeviceSession::DeviceSession(const CliOptions& options)
    : m_traceFile(options.traceFile)
    , m_freshTrace(options.traceFromOption)
{
    if (!options.simulate)
        return;
    m_mouse = std::make_unique<VirtualMouse>(simIdentitiesFromProductDescription());
    m_backend = std::make_unique<SimBackend>(*m_mouse);
    m_installed = std::make_unique<ScopedHidBackend>(*m_backend);
}

DeviceSession::~DeviceSession()
{
    if (!m_started)
        return;
    closeDevice();
    exitDeviceLayer();
}

int DeviceSession::start(QString* error)
{
    if (m_mouse) {
        const SimTrace::Start start = m_freshTrace ? SimTrace::Start::Fresh : SimTrace::Start::Append;
        if (!m_traceFile.isEmpty() && !m_mouse->trace().setFile(m_traceFile, start)) {
            *error = QStringLiteral("cannot write the trace file %1").arg(m_traceFile);
            return kExitCannotWrite;
        }
        applySimEnvironment(*m_mouse);
    }
    loadDeviceTable();
    if (enumerateDevices() != 0) {
        *error = QStringLiteral("the HID library could not be started");
        return kExitNoDevice;
    }
    m_started = true;
    return kExitOk;
}

bool DeviceSession::openProduct()
{
    openDevice(productToOpen());
    return commandHandle() != nullptr;
}
