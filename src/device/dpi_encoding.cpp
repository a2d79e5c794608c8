#include "device/dpi_encoding.h"

#include <iterator>

namespace {

// Register tables of the sensors that do not take their step as it is. An index outside a
// table gives 0: the pages never produce one, and a damaged file must not read past the end.
constexpr quint8 kRegisterR[] = { // index 1..160
    0,   2,   3,   4,   5,   6,   7,   9,   10,  11,  12,  13,  14,  16,  17,  18,  19,  20,  22,  23,  24,  25,  26,
    27,  29,  30,  31,  32,  33,  35,  37,  38,  39,  40,  41,  42,  44,  45,  46,  47,  48,  50,  51,  52,  53,  54,
    56,  57,  58,  59,  60,  62,  63,  64,  65,  66,  68,  69,  70,  71,  72,  74,  75,  76,  77,  78,  80,  81,  82,
    83,  84,  86,  87,  88,  89,  90,  92,  93,  94,  95,  96,  98,  99,  100, 101, 102, 104, 105, 106, 107, 108, 110,
    111, 112, 113, 114, 116, 117, 118, 119, 120, 122, 123, 124, 125, 126, 128, 129, 130, 131, 132, 134, 135, 136, 137,
    138, 140, 141, 142, 143, 144, 146, 147, 148, 149, 150, 152, 153, 154, 155, 156, 158, 159, 160, 161, 162, 164, 165,
    166, 167, 168, 170, 171, 172, 173, 174, 176, 177, 178, 179, 180, 181, 182, 183, 184, 185, 186, 187, 188, 188
};
constexpr int kRegisterRFirst = 1;

constexpr quint8 kRegisterA[] = { // index 0..61
    0,  4,  6,   9,   11,  13,  15,  18,  20,  22,  24,  27,  29,  31,  33,  36,  38,  40,  43,  45, 47,
    49, 52, 54,  56,  58,  61,  63,  65,  67,  70,  72,  74,  77,  79,  81,  83,  86,  88,  90,  92, 95,
    97, 99, 102, 104, 106, 108, 111, 113, 115, 117, 120, 122, 124, 127, 129, 131, 133, 135, 138, 140
};
constexpr int kRegisterAFirst = 0;

constexpr quint8 kRegisterS[] = { // index 2..80
    4,   6,   9,   11,  14,  16,  18,  21,  23,  25,  27,  29,  32,  34,  36,  39,  41,  43,  46,  48,
    50,  52,  55,  57,  59,  62,  64,  66,  69,  72,  74,  77,  78,  81,  84,  85,  88,  91,  93,  95,
    98,  100, 102, 105, 107, 109, 112, 114, 116, 119, 121, 123, 126, 128, 130, 133, 135, 137, 140, 142,
    145, 147, 149, 151, 154, 156, 158, 161, 163, 165, 168, 171, 173, 175, 178, 180, 182, 185, 187
};
constexpr int kRegisterSFirst = 2;

constexpr quint8 kRegisterT[] = { // index 0..50
    0,  2,  4,  6,  8,  11, 13, 15, 18, 20, 22, 25, 27, 29, 32, 34, 36, 39, 41,  43,  46,  48,  50,  52,  55, 57,
    59, 62, 64, 66, 69, 71, 73, 76, 78, 80, 83, 85, 87, 90, 92, 94, 97, 99, 101, 104, 106, 108, 111, 113, 115
};
constexpr int kRegisterTFirst = 0;

template<std::size_t N>
quint8 lookUp(const quint8 (&table)[N], int first, qint64 index)
{
    const qint64 position = index - first;
    if (position < 0 || position >= static_cast<qint64>(N)) {
        return 0;
    }
    return table[position];
}

struct RegisterPair
{
    quint8 low = 0;
    quint8 flag = 0;
};

RegisterPair pair(qint64 low, qint64 flag)
{
    return { static_cast<quint8>(low & 0xFF), static_cast<quint8>(flag & 0xFF) };
}

RegisterPair littleEndian(qint64 value)
{
    return pair(value, value >> 8);
}

RegisterPair extendedRange(qint64 value, qint64 threshold, qint64 shift)
{
    if (value <= threshold) {
        return littleEndian(value);
    }
    const qint64 shifted = value - shift;
    return pair(shifted, (shifted >> 8) | 0x80);
}

// False for a sensor code without an encoding.
bool encodeValue(int sensorCode, qint64 v, quint8 modeByte, RegisterPair& out)
{
    switch (sensorCode) {
        case 3360:
            out = v <= 120 ? pair(v - 1, 0) : pair(v - 61, 1);
            return true;
        case 3370:
            out = v <= 200 ? pair(v - 1, 0) : pair(v - 101, 1);
            return true;
        case 3104:
        case 31042:
            out = v <= 106 ? pair(v, 0) : pair(v - 53, 1);
            return true;
        case 3389:
            out = extendedRange(v, 320, 160);
            return true;
        case 33952:
            out = extendedRange(v, 519, 260);
            return true;
        case 3395:
            out = littleEndian(modeByte == kLowRangeSensorMode && v > 399 ? 399 : v);
            return true;
        case 3325:
        case 33252:
            if (v <= 50) {
                out = pair(lookUp(kRegisterT, kRegisterTFirst, v), 0);
            } else if (v <= 75) {
                out = pair(lookUp(kRegisterT, kRegisterTFirst, v - 25), 1);
            } else {
                out = pair(lookUp(kRegisterT, kRegisterTFirst, v - 50), 2);
            }
            return true;
        case 3311:
        case 33112:
            out = v <= 120 ? pair(lookUp(kRegisterR, kRegisterRFirst, v), 0)
                           : pair(lookUp(kRegisterR, kRegisterRFirst, v - 60), 1);
            return true;
        case 3327:
            if (v <= 61) {
                out = pair(lookUp(kRegisterA, kRegisterAFirst, v), 0);
            } else if (v <= 92) {
                out = pair(lookUp(kRegisterA, kRegisterAFirst, v - 31), 1);
            } else {
                out = pair(lookUp(kRegisterA, kRegisterAFirst, v - 52), 4);
            }
            return true;
        case 3333:
            out = v < 80 ? pair(lookUp(kRegisterS, kRegisterSFirst, v), 0)
                         : pair(lookUp(kRegisterS, kRegisterSFirst, v - 40), 1);
            return true;
        case 3335:
        case 33352:
            out = v <= 160 ? pair(lookUp(kRegisterR, kRegisterRFirst, v), 0)
                           : pair(lookUp(kRegisterR, kRegisterRFirst, v - 80), 1);
            return true;
        case 3212:
            if (v < 64) {
                out = pair(v, 0);
            } else if (v <= 94) {
                out = pair(v - 32, 1);
            } else {
                out = pair(v - 63, 2);
            }
            return true;
        default:
            return false;
    }
}

} // namespace

std::array<quint8, 4> encodeDpiStage(int sensorCode, quint32 x, quint32 y, quint8 modeByte)
{
    RegisterPair xBytes;
    RegisterPair yBytes;
    if (!encodeValue(sensorCode, x, modeByte, xBytes) || !encodeValue(sensorCode, y, modeByte, yBytes)) {
        return { 0, 0, 0, 0 };
    }
    switch (sensorCode) {
        case 3104:
        case 31042:
            // This sensor family reads its axes the other way round.
            return { yBytes.low, yBytes.flag, xBytes.low, xBytes.flag };
        case 3335:
        case 33352:
            // One register pair drives both axes.
            return { xBytes.low, xBytes.flag, xBytes.low, xBytes.flag };
        default:
            return { xBytes.low, xBytes.flag, yBytes.low, yBytes.flag };
    }
}

quint8 sniperDpiCode(int sensorCode, int index)
{
    switch (sensorCode) {
        case 3104:
        case 3212:
        case 3389:
            return static_cast<quint8>(index & 0xFF);
        case 3360:
            return static_cast<quint8>((index - 1) & 0xFF);
        case 3325:
            return lookUp(kRegisterT, kRegisterTFirst, index);
        case 3327:
            return lookUp(kRegisterA, kRegisterAFirst, index);
        case 3335:
            return lookUp(kRegisterR, kRegisterRFirst, index);
        default:
            return 4;
    }
}
