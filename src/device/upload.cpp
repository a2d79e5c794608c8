#include "device/upload.h"

#include "buttons/function_catalogue.h"
#include "device/commands.h"
#include "device/device_state.h"
#include "device/monitor.h"
#include "log_categories.h"
#include "storage/app_config.h"
#include "storage/macro_files.h"
#include "storage/product_description.h"
#include "storage/profile_files.h"

#include <QByteArray>
#include <QThread>
#include <algorithm>
#include <atomic>

namespace {

constexpr int kButtonBlockSize = 24;
constexpr int kButtonBlockOffsets[] = { 2, 26, 50, 74 };
constexpr int kButtonTrailerOffset = 0x62;
constexpr int kButtonHeaderSize = 2;
const QByteArray kButtonTrailer(4, '\xFF');

constexpr int kLightingBlockSize = 24;
constexpr int kMacroBlockSize = 20;
constexpr int kMacroBlocksPerSlot = kMacroSlotSize / kMacroBlockSize;
constexpr int kMacroSignificantBytes = 5;
constexpr unsigned long kMacroEncodeWaitMs = 50;

// State of the sending side that outlives one upload: the device image, the macro slots the
// last button section handed out, and the macro image.
struct UploadState
{
    ConfigRecord image;
    MacroSlotMap macroSlots;
    std::array<MacroSlot, kMacroSlotCount> macroImage{};
    std::atomic_bool uploaded{ false };
};

UploadState& uploadState()
{
    static UploadState state;
    return state;
}

QByteArray bytesOf(const quint8* data, int count)
{
    return QByteArray(reinterpret_cast<const char*>(data), count);
}

bool isMacroButton(const ButtonEntry& entry)
{
    return entry.Fun == FunctionCode::Macro || entry.Fun == FunctionCode::GunFile;
}

// Encodes one macro into its slot; true when something was encoded.
bool encodeMacroOnce(const ButtonEntry& entry, UploadState& state)
{
    if (!isMacroButton(entry) || state.macroSlots.isEmpty()) {
        return false;
    }
    const auto found = state.macroSlots.constFind(entry.macroname);
    if (found == state.macroSlots.constEnd()) {
        return false;
    }
    const int slot = found.value();
    if (slot >= kMacroSlotCount) {
        qCDebug(lcDevice, "Macro slot index %d reached the macro limit.\n", slot);
        return false;
    }
    state.macroImage[static_cast<std::size_t>(slot)] = encodeMacroSlot(loadMacro(entry.macroname));
    // The mouse needs a moment per macro before the section is written.
    QThread::msleep(kMacroEncodeWaitMs);
    state.macroSlots.remove(entry.macroname);
    return true;
}

bool slotHoldsData(const MacroSlot& slot)
{
    return std::any_of(slot.cbegin(), slot.cbegin() + kMacroSignificantBytes, [](quint8 b) { return b != 0; });
}

} // namespace

ConfigRecord& deviceImage()
{
    return uploadState().image;
}

bool deviceImageUploaded()
{
    return uploadState().uploaded;
}

EncodingContext currentEncodingContext()
{
    EncodingContext context;
    context.sensorCode = sensorVariant();
    context.productSyncMode = productSync();
    context.buttonCount = productButtonCount();
    context.dpiStageCount = productDpiStageCount();
    context.sensorMode = sensorModeByte();
    const auto named = loadNamedButtonPositions();
    context.buttonPositions.assign(named.begin(), named.end());
    return context;
}

quint8 writeGeneralSection(const EncodingContext& context)
{
    const GeneralSection bytes = encodeGeneralSection(deviceImage(), context);
    const quint8 result = writeSectionBlock(CommandCode::GeneralSection, 0, BlockMarker::First,
                                            bytesOf(bytes.data(), kGeneralSectionSize));
    return result != 0 ? result : writeEndOfSection(CommandCode::GeneralSection);
}

quint8 writeDpiSection(int profileIndex, const EncodingContext& context)
{
    const ProfileRecord& profile =
        deviceImage()
            .profiles[static_cast<std::size_t>(profileIndex >= 0 && profileIndex < kProfileCount ? profileIndex : 0)];
    const quint8 count = static_cast<quint8>(dpiStageCountByte(context.dpiStageCount));
    quint8 result = writeSectionBlock(CommandCode::DpiSection, 0, BlockMarker::First, bytesOf(&count, 1));
    for (int stage = 0; stage < kDpiStageCount && result == 0; ++stage) {
        const DpiStageBlock block = encodeDpiStageBlock(profile, stage, context);
        result = writeSectionBlock(CommandCode::DpiSection, static_cast<quint16>(kDpiStageBlockSize * stage + 1),
                                   BlockMarker::Next, bytesOf(block.data(), kDpiStageBlockSize));
    }
    return result != 0 ? result : writeEndOfSection(CommandCode::DpiSection);
}

quint8 writeButtonSection(const EncodingContext& context)
{
    UploadState& state = uploadState();
    const ButtonImage image = encodeButtonImage(state.image, context, state.macroSlots);
    quint8 result =
        writeSectionBlock(CommandCode::ButtonSection, 0, BlockMarker::First, bytesOf(image.data(), kButtonHeaderSize));
    for (int offset : kButtonBlockOffsets) {
        if (result != 0) {
            return result;
        }
        result = writeSectionBlock(CommandCode::ButtonSection, static_cast<quint16>(offset), BlockMarker::Next,
                                   bytesOf(image.data() + offset, kButtonBlockSize));
    }
    if (result == 0) {
        result = writeSectionBlock(CommandCode::ButtonSection, kButtonTrailerOffset, BlockMarker::Next, kButtonTrailer);
    }
    return result != 0 ? result : writeEndOfSection(CommandCode::ButtonSection);
}

quint8 writeLightingSection()
{
    const LightingTable table = encodeLightingTable(activeProfile(deviceImage()));
    quint8 result = 0;
    for (int offset = 0; offset < kLightingTableSize && result == 0; offset += kLightingBlockSize) {
        const int count = std::min(kLightingBlockSize, kLightingTableSize - offset);
        result = writeSectionBlock(CommandCode::LightingSection, static_cast<quint16>(offset),
                                   offset == 0 ? BlockMarker::First : BlockMarker::Next,
                                   bytesOf(table.data() + offset, count));
    }
    return result != 0 ? result : writeEndOfSection(CommandCode::LightingSection);
}

quint8 writeMacroSection()
{
    UploadState& state = uploadState();
    for (MacroSlot& slot : state.macroImage) {
        slot.fill(0);
    }
    for (const ProfileRecord& profile : state.image.profiles) {
        for (const ButtonEntry& entry : profile.buttons) {
            encodeMacroOnce(entry, state);
        }
    }
    bool anySent = false;
    for (int s = 0; s < kMacroSlotCount; ++s) {
        const MacroSlot& slot = state.macroImage[static_cast<std::size_t>(s)];
        if (!slotHoldsData(slot)) {
            continue;
        }
        for (int j = 0; j < kMacroBlocksPerSlot; ++j) {
            const quint8 result = writeSectionBlock(CommandCode::MacroSection,
                                                    static_cast<quint16>(kMacroSlotSize * s + kMacroBlockSize * j),
                                                    anySent ? BlockMarker::Next : BlockMarker::First,
                                                    bytesOf(slot.data() + kMacroBlockSize * j, kMacroBlockSize));
            if (result != 0) {
                return result;
            }
            anySent = true;
        }
    }
    return anySent ? writeEndOfSection(CommandCode::MacroSection) : quint8(0);
}

quint8 uploadConfiguration(const ConfigRecord& record, ChangeFlags flags, MonitorSwitch* monitor)
{
    if (monitor) {
        monitor->stopMonitor();
    }
    deviceImage() = record;
    uploadState().uploaded = true;
    const EncodingContext context = currentEncodingContext();

    quint8 result = beginUpload();
    if (result == 0 && (flags & ChangeFlag::General)) {
        result = writeGeneralSection(context);
    }
    if (result == 0 && (flags & ChangeFlag::Buttons)) {
        result = writeButtonSection(context);
    }
    if (result == 0 && (flags & ChangeFlag::Dpi)) {
        result = writeDpiSection(deviceImage().ProfileID, context);
    }
    if (result == 0 && (flags & ChangeFlag::Lighting)) {
        result = writeLightingSection();
    }
    if (result == 0 && flags != 0) {
        result = commitAll();
    }
    if (result == 0) {
        result = writeMacroSection();
    }
    if (result == 0) {
        result = endUpload();
    }
    // After a failure too: a stopped monitor would freeze the battery display and the
    // "mouse off" state until the next hot-plug.
    if (monitor && (result == 0 || commandHandle() != nullptr)) {
        monitor->startMonitor();
    }
    return result;
}
