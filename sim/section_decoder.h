#pragma once

#include <QByteArray>
#include <array>
#include <vector>

// Reads the sections the virtual mouse holds back into their fields, so tests can assert what the
// mouse received in the terms of the section layouts.

struct DecodedGeneral
{
    std::array<quint8, 5> scrollSpeed{};
    quint8 sensorOption = 0;
    quint8 activeProfile = 0;
    quint8 ledMoveOff = 0;
    quint8 ledSleepTime = 0;
    quint8 debounce = 0;
    quint8 fixedOne = 0;
    std::array<quint8, 5> pollRate{};
    quint8 fixed1F = 0;
    quint8 dpiStage = 0;
    quint8 lightingCode = 0;
};

struct DecodedDpiStage
{
    quint8 used = 0;
    quint8 xLow = 0;
    quint8 xFlag = 0;
    quint8 yLow = 0;
    quint8 yFlag = 0;
};

struct DecodedDpi
{
    quint8 stageCount = 0;
    std::array<DecodedDpiStage, 8> stages{};
};

using ButtonSlot = std::array<quint8, 4>;

struct DecodedButtons
{
    std::array<quint8, 2> header{};
    std::array<ButtonSlot, 24> buttonSlots{}; // offsets 2..97
    ButtonSlot trailer{};                     // offset 98
};

using LightingRecord = std::array<quint8, 8>;
using MacroTriple = std::array<quint8, 3>;

struct DecodedMacroSlot
{
    QByteArray bytes;                 // the 200 bytes of the slot
    std::vector<MacroTriple> triples; // up to the first all-zero triple
    bool isEmpty() const { return triples.empty(); }
};

DecodedGeneral decodeGeneralSection(const QByteArray& section);
DecodedDpi decodeDpiSection(const QByteArray& section);
DecodedButtons decodeButtonSection(const QByteArray& section);
std::array<LightingRecord, 10> decodeLightingSection(const QByteArray& section);
std::array<DecodedMacroSlot, 20> decodeMacroSection(const QByteArray& section);
