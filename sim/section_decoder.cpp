#include "sim/section_decoder.h"

#include <algorithm>

namespace {

constexpr int kProfiles = 5;
constexpr int kDpiStageSize = 5;
constexpr int kButtonSlotsStart = 2;
constexpr int kButtonTrailerOffset = 98;
constexpr int kMacroSlotSize = 200;
constexpr int kMacroTripleSize = 3;

quint8 byteAt(const QByteArray& bytes, int index)
{
    return index < bytes.size() ? quint8(bytes.at(index)) : 0;
}

template<std::size_t N>
std::array<quint8, N> bytesAt(const QByteArray& bytes, int offset)
{
    std::array<quint8, N> result{};
    for (std::size_t i = 0; i < N; ++i)
        result[i] = byteAt(bytes, offset + int(i));
    return result;
}

} // namespace

DecodedGeneral decodeGeneralSection(const QByteArray& section)
{
    DecodedGeneral general;
    general.scrollSpeed = bytesAt<kProfiles>(section, 0);
    general.sensorOption = byteAt(section, 5);
    general.activeProfile = byteAt(section, 6);
    general.ledMoveOff = byteAt(section, 7);
    general.ledSleepTime = byteAt(section, 8);
    general.debounce = byteAt(section, 9);
    general.fixedOne = byteAt(section, 10);
    general.pollRate = bytesAt<kProfiles>(section, 11);
    general.fixed1F = byteAt(section, 16);
    general.dpiStage = byteAt(section, 17);
    general.lightingCode = byteAt(section, 18);
    return general;
}

DecodedDpi decodeDpiSection(const QByteArray& section)
{
    DecodedDpi dpi;
    dpi.stageCount = byteAt(section, 0);
    for (int i = 0; i < int(dpi.stages.size()); ++i) {
        const auto raw = bytesAt<kDpiStageSize>(section, kDpiStageSize * i + 1);
        dpi.stages[i] = { raw[0], raw[1], raw[2], raw[3], raw[4] };
    }
    return dpi;
}

DecodedButtons decodeButtonSection(const QByteArray& section)
{
    DecodedButtons buttons;
    buttons.header = bytesAt<2>(section, 0);
    for (int i = 0; i < int(buttons.buttonSlots.size()); ++i)
        buttons.buttonSlots[i] = bytesAt<4>(section, kButtonSlotsStart + 4 * i);
    buttons.trailer = bytesAt<4>(section, kButtonTrailerOffset);
    return buttons;
}

std::array<LightingRecord, 10> decodeLightingSection(const QByteArray& section)
{
    std::array<LightingRecord, 10> records{};
    for (int i = 0; i < int(records.size()); ++i)
        records[i] = bytesAt<8>(section, 8 * i);
    return records;
}

std::array<DecodedMacroSlot, 20> decodeMacroSection(const QByteArray& section)
{
    std::array<DecodedMacroSlot, 20> macroSlots;
    for (int s = 0; s < int(macroSlots.size()); ++s) {
        DecodedMacroSlot& slot = macroSlots[s];
        slot.bytes = section.mid(s * kMacroSlotSize, kMacroSlotSize);
        slot.bytes.resize(kMacroSlotSize);
        for (int t = 0; t + kMacroTripleSize <= kMacroSlotSize; t += kMacroTripleSize) {
            const MacroTriple triple = bytesAt<kMacroTripleSize>(slot.bytes, t);
            if (std::all_of(triple.begin(), triple.end(), [](quint8 byte) { return byte == 0; }))
                break;
            slot.triples.push_back(triple);
        }
    }
    return macroSlots;
}
