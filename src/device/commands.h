#pragma once

#include "device/transport.h"

#include <QByteArray>

// The mouse's command set. Every function returns the transport result of its last report;
// sequences stop at the first non-zero result and return it.

namespace CommandCode {
constexpr quint8 GeneralSection = 0x01;
constexpr quint8 DpiSection = 0x02;
constexpr quint8 ButtonSection = 0x03;
constexpr quint8 LightingSection = 0x04;
constexpr quint8 MacroSection = 0x05;
constexpr quint8 Commit = 0x40;
constexpr quint8 SelectProfile = 0x44;
constexpr quint8 UploadBracket = 0x46;
constexpr quint8 BatteryQuery = 0x48;
constexpr quint8 StatusReport = 0x49; // sent by the mouse only
} // namespace CommandCode

namespace BlockMarker {
constexpr quint8 First = 0xD1;
constexpr quint8 Next = 0xD2;
constexpr quint8 End = 0xD3;
} // namespace BlockMarker

constexpr quint8 kEndOfSectionByte = 0x1A;
constexpr quint16 kSectionEndOffset = 0x7F;
constexpr quint16 kMacroSectionEndOffset = 0x0FFF;
constexpr int kMaxReportData = 25;
constexpr int kOnBoardProfileCount = 5;

namespace CommitBit {
constexpr quint8 General = 0x01;
constexpr quint8 Dpi = 0x02;
constexpr quint8 Buttons = 0x04;
constexpr quint8 Lighting = 0x08;
constexpr quint8 Macros = 0x10;
} // namespace CommitBit

// A zeroed report with id, marker and bytes 3..7 set; the checksum is left to sendCommand.
CommandReport makeCommandReport(quint8 code, quint8 byte4 = 0, quint8 byte5 = 0, quint8 count = 0, quint8 byte7 = 0);

// The battery query, checksum included (05 24 FA 48, then zeros): it is written directly, not
// through sendCommand, because its answer is not an echo.
CommandReport batteryQueryReport();

// One block of a section write: data (at most 25 bytes) at offset with the block marker.
quint8 writeSectionBlock(quint8 code, quint16 offset, quint8 marker, const QByteArray& data);

// Closes a section: count 1, marker 0xD3, data 0x1A, at 0x7F (0x0FFF for the macro section).
quint8 writeEndOfSection(quint8 code);

quint8 beginUpload();
quint8 endUpload();
quint8 commit(quint8 sectionBit);
// Commits 0x04, 0x01, 0x02, 0x08, 0x10 in that order.
quint8 commitAll();

// 0x44 with the slot (not echoed), then commit 0x01. Always returns 1: callers do not look.
quint8 selectProfileOnDevice(quint8 slot);

// The device side of a profile switch from a menu: selectProfileOnDevice, then commitAll.
// Returns commitAll's result.
quint8 switchOnBoardProfile(quint8 slot);
