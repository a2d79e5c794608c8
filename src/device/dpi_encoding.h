#pragma once

#include <QtGlobal>
#include <array>

// How a resolution step reaches the sensor: each sensor family has its own register layout,
// chosen by the sensor code of Config.ini ("MouseSenSor/1").

// Sensor mode byte value that limits sensor 3395 to its lower range.
constexpr quint8 kLowRangeSensorMode = 8;

// Bytes 1..4 of a DPI stage block (X low, X flag, Y low, Y flag after any swap the sensor
// needs); all zero for a sensor code without an encoding. Every byte is taken modulo 256.
std::array<quint8, 4> encodeDpiStage(int sensorCode, quint32 x, quint32 y, quint8 modeByte);

// The byte a sniper button sends for the sniper DPI index.
quint8 sniperDpiCode(int sensorCode, int index);
