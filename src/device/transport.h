#pragma once

#include <QString>
#include <array>
#include <functional>

// The verified report transport: every command report goes through sendCommand, which adds the
// checksum, writes, reads the echo, compares it and retries by fixed rules.

constexpr int kCommandReportSize = 33;
constexpr quint8 kCommandReportId = 0x05;
constexpr quint8 kCommandMarker = 0xFA;

using CommandReport = std::array<quint8, kCommandReportSize>;

// Transport results.
constexpr quint8 kTransportOk = 0;
constexpr quint8 kTransportNoDevice = 1;    // neither command handle is open
constexpr quint8 kTransportFailed = 2;      // retries exhausted
constexpr quint8 kTransportWriteFailed = 4; // hid_write failed

// Byte 1 of a report: (bytes 2..7 summed) mod 256, XOR 0x66.
quint8 commandChecksum(const quint8* report);

// Sends a command report (length is 33; bytes 0 and 2.. set by the caller, byte 1 ignored) on the
// command handle and returns a transport result. Works on its own copy. Blocks: one write and
// 10 ms without echo; with retries up to several seconds.
quint8 sendCommand(const quint8* report, int length);

// Receives every trace text of sendCommand. The default sink discards them. Set it before any
// thread sends; it is called on the sending thread.
using TransportTraceSink = std::function<void(const QString&)>;
void setTransportTraceSink(TransportTraceSink sink);
