// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/section_encoding.h"

#include "buttons/function_catalogue.h"
#include "buttons/function_encoding.h"
#include "device/dpi_encoding.h"
#include "storage/macro_files.h"

#include <QColor>
#include <algorithm>

namespace {

constexpr quint8 kButtonImageHeader[] = { 0x0A, 0x00 };
constexpr int kDevicePositionCount = (kButtonImageSize - kButtonImageFirstSlot) / 4;
constexpr int kFirstWheelEntry = 40;
constexpr int kFirstWheelPosition = 22;
constexpr int kWheelEntryCount = 2;

constexpr quint8 kLightingCodes[] = { 1, 2, 3, 4, 5, 6, 6, 6, 6, 6, 8, 7, 9, 10 };
constexpr quint8 kLightingCodeBeyondTable = 6;

constexpr quint8 kSyncFlag = 0x80;
constexpr quint8 kNoAngleSnapFlag = 0x40;
constexpr quint8 kNoJitterFilterFlag = 0x20;

constexpr quint8 kLightingRecordMarker = 0x80;
constexpr int kLightingRecordSize = 8;

constexpr MacroEvent kShortDelay = { MacroKind::Delay, 0x01, 0x00 };

quint8 low(qint64 value)
{
    return static_cast<quint8>(value & 0xFF);
}

int devicePositionOf(int slot, const EncodingContext& context)
{
    if (slot < static_cast<int>(context.buttonPositions.size()) && context.buttonPositions[slot] >= 0) {
        return context.buttonPositions[slot];
    }
    return slot;
}

void encodeButtonAt(ButtonEntry& entry, int position, const EncodingContext& context, MacroSlotMap& slots,
                    ButtonImage& image)
{
    ButtonEncodingInput input;
    input.sensorCode = context.sensorCode;
    if (entry.Fun == FunctionCode::Macro || entry.Fun == FunctionCode::GunFile) {
        if (!slots.contains(entry.macroname)) {
            slots.insert(entry.macroname, slots.size());
        }
        input.macroSlot = slots.value(entry.macroname);
        entry.Res4 = low(input.macroSlot);
    }
    const DeviceBytes bytes = deviceBytes(entry, input);
    if (position < 0 || position >= kDevicePositionCount) {
        return;
    }
    std::copy(bytes.cbegin(), bytes.cend(), image.begin() + kButtonImageFirstSlot + 4 * position);
}

std::array<quint8, kLightingRecordSize> lightingRecord(const LedEffectSetting& effect, quint8 kind, bool colour,
                                                       quint8 b5, quint8 b6, quint8 b7)
{
    // A missing colour reads as the invalid colour, which the mouse gets as black.
    const QColor rgb = effect.RGB.isValid() ? effect.RGB : QColor(0, 0, 0);
    return { kLightingRecordMarker,
             colour ? low(rgb.red()) : quint8(0),
             colour ? low(rgb.green()) : quint8(0),
             colour ? low(rgb.blue()) : quint8(0),
             kind,
             b5,
             b6,
             b7 };
}

} // namespace

const ProfileRecord& activeProfile(const ConfigRecord& record)
{
    return record.profiles[record.ProfileID < kProfileCount ? record.ProfileID : 0];
}

ProfileRecord& activeProfile(ConfigRecord& record)
{
    return record.profiles[record.ProfileID < kProfileCount ? record.ProfileID : 0];
}

quint8 sensorOptionByte(const ConfigRecord& record, int productSyncMode)
{
    switch (productSyncMode) {
        case 0:
            return record.LiftHigh;
        case 1:
            return record.Sync != 0 ? 1 : 0;
        default: {
            quint8 byte = record.LiftHigh;
            if (record.Sync != 0) {
                byte |= kSyncFlag;
            }
            if (record.AngleValue == 0) {
                byte |= kNoAngleSnapFlag;
            }
            if (record.Jitter == 0) {
                byte |= kNoJitterFilterFlag;
            }
            return byte;
        }
    }
}

quint8 lightingCode(int ledMode)
{
    if (ledMode >= 0 && ledMode < static_cast<int>(std::size(kLightingCodes))) {
        return kLightingCodes[ledMode];
    }
    return kLightingCodeBeyondTable;
}

GeneralSection encodeGeneralSection(const ConfigRecord& record, const EncodingContext& context)
{
    const ProfileRecord& active = activeProfile(record);
    GeneralSection bytes{};
    for (int p = 0; p < kProfileCount; ++p) {
        bytes[p] = record.profiles[p].scrollspeed;
        bytes[11 + p] = record.profiles[p].pollrate;
    }
    bytes[5] = sensorOptionByte(record, context.productSyncMode);
    bytes[6] = record.ProfileID;
    bytes[7] = active.LedMoveOFF;
    bytes[8] = active.LedSleepTime;
    bytes[9] = record.Debounce;
    bytes[10] = 1;
    bytes[16] = 0x1F;
    bytes[17] = active.dpi;
    bytes[18] = lightingCode(active.LedMode);
    return bytes;
}

int dpiStageCountByte(int productDpiStageCount)
{
    return productDpiStageCount >= 1 && productDpiStageCount <= kDpiStageCount ? productDpiStageCount : kDpiStageCount;
}

DpiStageBlock encodeDpiStageBlock(const ProfileRecord& profile, int stage, const EncodingContext& context)
{
    const DpiStage& dpiStage = profile.dpiStages[stage];
    const std::array<quint8, 4> registers =
        encodeDpiStage(context.sensorCode, dpiStage.x, dpiStage.y, context.sensorMode);
    const bool counted = stage < dpiStageCountByte(context.dpiStageCount);
    return { counted ? dpiStage.used : quint8(0), registers[0], registers[1], registers[2], registers[3] };
}

ButtonImage encodeButtonImage(ConfigRecord& record, const EncodingContext& context, MacroSlotMap& slots)
{
    slots.clear();
    ButtonImage image{};
    std::copy(std::begin(kButtonImageHeader), std::end(kButtonImageHeader), image.begin());
    ProfileRecord& profile = activeProfile(record);
    const int count = std::min(context.buttonCount, kButtonSlotCount);
    for (int slot = 0; slot < count; ++slot) {
        encodeButtonAt(profile.buttons[slot], devicePositionOf(slot, context), context, slots, image);
    }
    for (int w = 0; w < kWheelEntryCount; ++w) {
        encodeButtonAt(profile.buttons[kFirstWheelEntry + w], kFirstWheelPosition + w, context, slots, image);
    }
    return image;
}

LightingTable encodeLightingTable(const ProfileRecord& profile)
{
    const auto& e = profile.ledEffects;
    const std::array<std::array<quint8, kLightingRecordSize>, 10> records = {
        lightingRecord(e[0], 0x00, false, 0x00, 0x00, 0x00),
        lightingRecord(e[1], 0x01, true, 0x00, 0x02, low(e[1].bright)),
        lightingRecord(e[2], 0x01, true, low(e[2].breath), 0x04, 0x03),
        lightingRecord(e[3], 0x01, false, low(e[3].breath), 0x01, 0x03),
        lightingRecord(e[4], 0x01, false, low(e[4].breath), 0x08, low(e[4].bright)),
        lightingRecord(e[9], 0x05, false, low(e[9].breath), 0x01, low(e[9].bright)),
        lightingRecord(e[11], 0x07, false, 0x00, 0x00, low(e[11].bright)),
        lightingRecord(e[10], 0x06, false, low(e[10].breath), 0x00, low(e[10].bright)),
        lightingRecord(e[12], 0x08, false, low(e[12].breath), 0x00, low(e[12].bright)),
        lightingRecord(e[13], 0x09, false, low(e[13].breath), 0x00, low(e[13].bright)),
    };
    LightingTable table{};
    for (std::size_t r = 0; r < records.size(); ++r) {
        std::copy(records[r].cbegin(), records[r].cend(), table.begin() + kLightingRecordSize * r);
    }
    return table;
}

namespace {

// The macro's triples in slot order, each marked with whether it is one of the macro's own events
// (the others are the delays the mouse needs between events of a macro that has none).
struct MacroTriple
{
    MacroEvent event;
    bool own = true;
};

QVector<MacroTriple> macroTriples(const MacroFile& macro)
{
    const bool hasOwnDelays = std::any_of(macro.events.cbegin(), macro.events.cend(),
                                          [](const MacroEvent& event) { return event.kind == MacroKind::Delay; });
    QVector<MacroTriple> triples;
    for (int i = 0; i < macro.events.size(); ++i) {
        triples.append({ macro.events.at(i), true });
        if (!hasOwnDelays && (i + 1) % kEventsBetweenDelays == 0) {
            triples.append({ kShortDelay, false });
        }
    }
    if (!hasOwnDelays && !macro.events.isEmpty()) {
        triples.append({ kShortDelay, false });
    }
    Q_ASSERT(triples.size() == macroTripleCount(macro.events.size(), hasOwnDelays));
    return triples;
}

} // namespace

MacroSlot encodeMacroSlot(const MacroFile& macro)
{
    const QVector<MacroTriple> triples = macroTriples(macro);
    MacroSlot slot{};
    const int kept = std::min<int>(triples.size(), kMacroTriplesPerSlot);
    for (int t = 0; t < kept; ++t) {
        slot[kMacroTripleSize * t] = triples.at(t).event.kind;
        slot[kMacroTripleSize * t + 1] = triples.at(t).event.dataL;
        slot[kMacroTripleSize * t + 2] = triples.at(t).event.dataH;
    }
    return slot;
}

int macroEventsKept(const MacroFile& macro)
{
    const QVector<MacroTriple> triples = macroTriples(macro);
    const int kept = std::min<int>(triples.size(), kMacroTriplesPerSlot);
    return static_cast<int>(
        std::count_if(triples.cbegin(), triples.cbegin() + kept, [](const MacroTriple& triple) { return triple.own; }));
}
