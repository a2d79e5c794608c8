#include "sim/on_board_profile_text.h"

#include "device/commands.h"
#include "sim/section_decoder.h"
#include "sim/virtual_mouse.h"

#include <QStringList>
#include <algorithm>

namespace {

constexpr int kButtonSlotsPerLine = 4;
constexpr int kButtonLabelWidth = 7; // "trailer", and the slot ranges right-aligned to it

template<std::size_t N>
QString hex(const std::array<quint8, N>& bytes)
{
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(bytes.data()), int(N)).toHex(' '));
}

bool isBlank(const QByteArray& section)
{
    return std::all_of(section.begin(), section.end(), [](char byte) { return byte == 0; });
}

void appendDpiStages(QStringList& lines, const DecodedDpi& dpi, int currentStage)
{
    const int stageCount = int(dpi.stages.size());
    const bool countInRange = dpi.stageCount >= 1 && dpi.stageCount <= stageCount;
    lines << QStringLiteral("DPI stages (%1 counted):").arg(dpi.stageCount);
    for (int i = 0; i < (countInRange ? int(dpi.stageCount) : stageCount); ++i) {
        const DecodedDpiStage& stage = dpi.stages[i];
        lines << QStringLiteral(" %1 %2  %3  X %4  Y %5")
                     .arg(i == currentStage ? QLatin1Char('>') : QLatin1Char(' '))
                     .arg(i + 1)
                     .arg(stage.used ? QLatin1String("on ") : QLatin1String("off"))
                     .arg(hex(std::array<quint8, 2>{ stage.xLow, stage.xFlag }))
                     .arg(hex(std::array<quint8, 2>{ stage.yLow, stage.yFlag }));
    }
}

void appendLighting(QStringList& lines, const QByteArray& lightingSection, quint8 lightingCode)
{
    const std::array<LightingRecord, 10> records = decodeLightingSection(lightingSection);
    // Lighting code n selects record n - 1; any other code selects none.
    if (lightingCode >= 1 && lightingCode <= int(records.size()))
        lines << QStringLiteral("Lighting record (code %1): %2").arg(lightingCode).arg(hex(records[lightingCode - 1]));
    else
        lines << QStringLiteral("Lighting code %1 selects no record").arg(lightingCode);
}

void appendButtons(QStringList& lines, const DecodedButtons& buttons)
{
    lines << QStringLiteral("Buttons (header %1):").arg(hex(buttons.header));
    const int slotCount = int(buttons.buttonSlots.size());
    for (int first = 0; first < slotCount; first += kButtonSlotsPerLine) {
        QStringList slotTexts;
        for (int i = first; i < std::min(first + kButtonSlotsPerLine, slotCount); ++i)
            slotTexts << hex(buttons.buttonSlots[i]);
        const QString range = QStringLiteral("%1-%2").arg(first + 1).arg(first + slotTexts.size());
        lines << QStringLiteral(" %1  %2").arg(range, kButtonLabelWidth).arg(slotTexts.join(QLatin1String("  ")));
    }
    lines << QStringLiteral(" %1  %2").arg(QStringLiteral("trailer"), kButtonLabelWidth).arg(hex(buttons.trailer));
}

} // namespace

QString onBoardProfileText(const VirtualMouse& mouse)
{
    const int profile = mouse.activeProfile();
    const QByteArray general = mouse.onBoardSection(profile, CommandCode::GeneralSection);
    const QByteArray dpi = mouse.onBoardSection(profile, CommandCode::DpiSection);
    const QByteArray buttons = mouse.onBoardSection(profile, CommandCode::ButtonSection);
    const QByteArray lighting = mouse.onBoardSection(profile, CommandCode::LightingSection);
    if (isBlank(general) && isBlank(dpi) && isBlank(buttons) && isBlank(lighting))
        return QStringLiteral("Profile %1: nothing committed yet").arg(profile + 1);

    const DecodedGeneral decodedGeneral = decodeGeneralSection(general);
    QStringList lines;
    lines << QStringLiteral("Profile %1").arg(profile + 1);
    appendDpiStages(lines, decodeDpiSection(dpi), mouse.dpiStage());
    lines << QStringLiteral("Report rate code: %1").arg(decodedGeneral.pollRate[std::size_t(profile)]);
    appendLighting(lines, lighting, decodedGeneral.lightingCode);
    appendButtons(lines, decodeButtonSection(buttons));
    return lines.join(QLatin1Char('\n'));
}
