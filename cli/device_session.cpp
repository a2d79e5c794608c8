#include "device_session.h"

#include "cli_options.h"
#include "device/device_state.h"
#include "device/discovery.h"
#include "sim/sim_backend.h"
#include "sim/virtual_mouse.h"
#include "storage/app_config.h"

namespace {

// Which of the virtual mouse's links are plugged in: "receiver" (default), "cable", "both", "none".
const char kSimPlugVariable[] = "MOUSECFG_SIM_PLUG";

void plugFromEnvironment(VirtualMouse& mouse)
{
    const QString plug = qEnvironmentVariable(kSimPlugVariable, QStringLiteral("receiver"));
    if (plug == QLatin1String("receiver") || plug == QLatin1String("both"))
        mouse.plug(MouseLink::Receiver);
    if (plug == QLatin1String("cable") || plug == QLatin1String("both"))
        mouse.plug(MouseLink::Cable);
}

// As the window's mouse list does: one connected product is the current one.
QByteArray productToOpen()
{
    const DeviceIdentityTable& table = deviceTable();
    QByteArray only;
    int connected = 0;
    for (quint32 i = 0; i < table.count && i < quint32(kDeviceTableCapacity); ++i) {
        const DeviceIdentityEntry& entry = table.entries[i];
        if (entry.receiver.isConnected() || entry.cable.isConnected()) {
            only = entry.modelName;
            ++connected;
        }
    }
    return connected == 1 ? only : currentProductName().toLatin1();
}

} // namespace

DeviceSession::DeviceSession(const CliOptions& options)
    : m_traceFile(options.traceFile)
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

bool DeviceSession::start(QString* error)
{
    if (m_mouse) {
        if (!m_traceFile.isEmpty() && !m_mouse->trace().setFile(m_traceFile)) {
            *error = QStringLiteral("cannot write the trace file %1").arg(m_traceFile);
            return false;
        }
        plugFromEnvironment(*m_mouse);
    }
    loadDeviceTable();
    if (enumerateDevices() != 0) {
        *error = QStringLiteral("the HID library could not be started");
        return false;
    }
    m_started = true;
    return true;
}

bool DeviceSession::openProduct()
{
    openDevice(productToOpen());
    return commandHandle() != nullptr;
}
