// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/interface_change.h"

#include "device/device_events.h"
#include "device/device_state.h"
#include "device/discovery.h"
#include "storage/app_config.h"

#include <QRegularExpression>

namespace {

constexpr int kWarningDelayMs = 200;

struct NamePattern
{
    const char* pattern;
    InterfaceKind kind;
};

const NamePattern kNamePatterns[] = {
    { "HID#VID_(?<vid>\\w{4})&PID_(?<pid>\\w{4})&col01", InterfaceKind::Pointer },
    { "HID#VID_(?<vid>\\w{4})&PID_(?<pid>\\w{4})&col04", InterfaceKind::Command },
    { "HID#VID_(?<vid>\\w{4})&PID_(?<pid>\\w{4})&MI_00&col01", InterfaceKind::Pointer },
    { "HID#VID_(?<vid>\\w{4})&PID_(?<pid>\\w{4})&MI_00&col04", InterfaceKind::Command },
};

DeviceSide* sideOf(DeviceIdentityEntry& entry, const HotplugName& name)
{
    if (name.vendorId == entry.receiver.vendorId && name.productId == entry.receiver.productId)
        return &entry.receiver;
    if (name.vendorId == entry.cable.vendorId && name.productId == entry.cable.productId)
        return &entry.cable;
    return nullptr;
}

// openNow: false while a reopening pauses, which opens the device when it ends.
void reconnect(DeviceEvents& events, bool openNow)
{
    const bool miceListed = events.connectedMouseCount() != 0;
    events.refreshMouseList();
    if (!miceListed)
        events.scheduleWarnClose(kWarningDelayMs);
    else if (openNow)
        openDevice(events.currentProductName().toLatin1());
}

// Returns whether the interface is new (its flag was clear).
bool handleArrival(DeviceSide& side, InterfaceKind kind, const QString& name, DeviceEvents& events, bool openNow)
{
    const InterfaceLookup lookup = lookUpInterface(name.toLatin1());
    if (!side.acceptsRelease(lookup.releaseNumber)) {
        if (side.isConnected())
            reconnect(events, openNow);
        return false;
    }
    // The path stored is the one that opens: the enumeration's, when the name is not a path itself.
    const QByteArray path = fittedDevicePath(lookup.found ? lookup.path : name.toLatin1());
    bool arrivedNew = false;
    if (kind == InterfaceKind::Pointer) {
        side.pointerPath = path;
        arrivedNew = side.pointerPresent.exchange(1) == 0;
        if (side.commandPresent.load() == 1)
            reconnect(events, openNow);
    } else if (kind == InterfaceKind::Command) {
        side.commandPath = path;
        arrivedNew = side.commandPresent.exchange(1) == 0;
        if (side.pointerPresent.load() == 1)
            reconnect(events, openNow);
    } else if (side.isConnected()) {
        reconnect(events, openNow);
    }
    return arrivedNew;
}

enum class FlagChange {
    Cleared,
    AlreadyClear, // the interface was already gone, which leaves the entry untouched
    NoFlag,       // an interface the entry keeps no flag for
};

FlagChange clearFlag(DeviceSide& side, InterfaceKind kind)
{
    std::atomic<int>* flag = nullptr;
    if (kind == InterfaceKind::Pointer)
        flag = &side.pointerPresent;
    else if (kind == InterfaceKind::Command)
        flag = &side.commandPresent;
    if (!flag)
        return FlagChange::NoFlag;
    return flag->exchange(0) != 0 ? FlagChange::Cleared : FlagChange::AlreadyClear;
}

// Returns whether the entry's product was reopened and reloaded.
bool handleLastRemoval(const DeviceIdentityEntry& entry, DeviceEvents& events)
{
    const int connectedMice = countConnectedMice();
    events.setConnectedMouseCount(connectedMice);
    if (connectedMice == 0) {
        events.stopMonitorThread();
        closeDevice();
        events.setDeviceOpen(false);
        events.setWarningOpen(true);
        events.scheduleWarning(kWarningDelayMs);
        return false;
    }
    const QString productBefore = events.currentProductName();
    events.refreshMouseList();
    if (productBefore.toLatin1() != entry.modelName)
        return false;
    events.stopMonitorThread();
    closeDevice();
    openDevice(events.currentProductName().toLatin1());
    events.startMonitorThread();
    events.reloadConfiguration();
    return true;
}

} // namespace

HotplugName parseHotplugName(const QString& name)
{
    HotplugName parsed;
    for (const NamePattern& pattern : kNamePatterns) {
        const QRegularExpression expression(QLatin1String(pattern.pattern), QRegularExpression::CaseInsensitiveOption);
        const QRegularExpressionMatch match = expression.match(name);
        if (!match.hasMatch())
            continue;
        parsed.kind = pattern.kind;
        parsed.vendorId = match.captured(QStringLiteral("vid")).toInt(nullptr, 16);
        parsed.productId = match.captured(QStringLiteral("pid")).toInt(nullptr, 16);
        break;
    }
    return parsed;
}

InterfaceChangeHandler::InterfaceChangeHandler(DeviceEvents& events, QObject* parent)
    : QObject(parent)
    , m_events(events)
{
    m_reopenTimer.setSingleShot(true);
    m_reopenTimer.setInterval(kReopenDelayMs);
    // The device needs the whole pause; a coarse timer may end it early.
    m_reopenTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_reopenTimer, &QTimer::timeout, this, &InterfaceChangeHandler::finishReopen);
}

void InterfaceChangeHandler::onInterfaceChanged(const QString& name, bool arrived)
{
    const HotplugName parsed = parseHotplugName(name);
    DeviceIdentityTable& table = deviceTable();
    bool arrivedNew = false;
    for (quint32 i = 0; i < table.count && i < quint32(kDeviceTableCapacity); ++i) {
        DeviceIdentityEntry& entry = table.entries[i];
        DeviceSide* side = sideOf(entry, parsed);
        if (!side)
            continue;
        bool handled = false;
        if (arrived) {
            arrivedNew = handleArrival(*side, parsed.kind, name, m_events, !isReopenPending()) || arrivedNew;
        } else {
            const FlagChange change = clearFlag(*side, parsed.kind);
            if (change == FlagChange::AlreadyClear)
                continue;
            // Only the removal that cleared the last flag handles it: the node's other
            // collections leaving afterwards must not warn and close again.
            if (change == FlagChange::Cleared && entry.allFlagsClear()) {
                handled = handleLastRemoval(entry, m_events);
                // Either the removal opened the device itself or no mouse is left to open.
                if (handled || m_events.connectedMouseCount() == 0)
                    cancelReopen();
            }
        }
        const bool sideSeen = side->pointerPresent.load() == 1 || side->commandPresent.load() == 1;
        if (!handled && sideSeen && m_events.currentProductName().toLatin1() == entry.modelName)
            reopenAfterPause();
    }
    if (arrivedNew)
        setPendingUploadFlag(1);
    m_events.updateConnectionDisplay();
    // A pausing reopening starts the monitor itself once the device is open again.
    if (!isReopenPending())
        restartMonitor();
}

// The monitor's read may take its whole timeout to end; the GUI thread does not wait for it.
void InterfaceChangeHandler::reopenAfterPause()
{
    m_reopenTimer.stop();
    if (m_closing)
        return;
    m_closing = true;
    const quint64 generation = ++m_generation;
    m_events.stopMonitorThreadThen([this, generation] {
        if (generation != m_generation)
            return;
        m_closing = false;
        // Whatever started the monitor meanwhile must not read a handle that is closed.
        m_events.stopMonitorThread();
        closeDevice();
        m_reopenTimer.start();
    });
}

void InterfaceChangeHandler::cancelReopen()
{
    ++m_generation;
    m_closing = false;
    m_reopenTimer.stop();
}

void InterfaceChangeHandler::restartMonitor()
{
    const quint64 generation = m_generation;
    m_events.stopMonitorThreadThen([this, generation] {
        if (generation == m_generation && !isReopenPending())
            m_events.startMonitorThread();
    });
}

void InterfaceChangeHandler::finishReopen()
{
    if (countConnectedMice() == 0)
        return;
    m_events.stopMonitorThread();
    openDevice(m_events.currentProductName().toLatin1());
    m_events.startMonitorThread();
    emit reopened();
}
