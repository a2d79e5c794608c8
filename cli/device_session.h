#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

class SimBackend;
class VirtualMouse;
class ScopedHidBackend;
struct CliOptions;

// The device link for one command: the virtual mouse (--simulate) or hidapi, the identity table
// and the enumeration; closed and shut down when the session ends.
class DeviceSession final
{
public:
    explicit DeviceSession(const CliOptions& options);
    ~DeviceSession();
    DeviceSession(const DeviceSession&) = delete;
    DeviceSession& operator=(const DeviceSession&) = delete;

    // Loads the table and enumerates. Returns 0, or the exit code with *error set when the trace
    // file cannot be written (6) or the HID library cannot be started (1).
    int start(QString* error);

    // Opens the interfaces of the product to talk to: the only connected one, else the stored
    // current product. False when no command interface could be opened.
    bool openProduct();

    VirtualMouse* virtualMouse() const { return m_mouse.get(); }

private:
    std::unique_ptr<VirtualMouse> m_mouse;
    std::unique_ptr<SimBackend> m_backend;
    std::unique_ptr<ScopedHidBackend> m_installed;
    QString m_traceFile;
    bool m_freshTrace = false;
    bool m_started = false;
};
