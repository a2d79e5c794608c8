#pragma once

#include <QtGlobal>

// The battery answer of the mouse (command 0x48): a level word in bytes 4 (low) and 5 (high), the
// charging state in byte 6, the last write status in byte 7 and the sensor mode in byte 10. The
// command line, the monitor thread, the battery display and the virtual mouse all read it here.

namespace BatteryByte {
constexpr int LevelLow = 4;
constexpr int LevelHigh = 5;
constexpr int Charge = 6;
constexpr int WriteStatus = 7;
constexpr int SensorMode = 10;
} // namespace BatteryByte

struct BatteryReading
{
    quint8 chargeByte = 0;
    quint8 levelLow = 0;
    quint8 levelHigh = 0;

    // All three bytes zero is how a mouse that is off (or asleep) answers.
    bool answered() const { return chargeByte != 0 || levelLow != 0 || levelHigh != 0; }
    bool charging() const { return chargeByte != 0; }
    int level() const { return levelHigh * 256 + levelLow; }
    // level × 990 / 240, integer division of the product.
    int millivolts() const;
};

BatteryReading decodeBatteryReport(const quint8* report);

// One battery query outside the monitor thread (which must not be running): writes the query to
// the command interface and reads the answer. Returns 0 with *reading set, kTransportNoDevice,
// kTransportWriteFailed, or kBatteryNoAnswer when the mouse is asleep or out of range.
constexpr quint8 kBatteryNoAnswer = 5;
quint8 queryBattery(BatteryReading* reading);

// The smallest level word that reads back as at least millivolts: what the mouse reports.
quint16 batteryLevelForMillivolts(int millivolts);

// The percentage the battery display shows: 100 from fullMillivolts ("Config/BatteryFull") on,
// else 90 down to 10 in the steps of the cell's discharge curve.
int batteryPercent(const BatteryReading& reading, int fullMillivolts);

// A finer percentage for the low-battery warnings, which need levels the display's lowest step
// hides: 100 from fullMillivolts on, linear between the display's steps (so both agree at each
// step), and below the 20 % step linear down to 0 at the cell's 3000 mV cut-off.
int batteryLevelEstimate(const BatteryReading& reading, int fullMillivolts);
