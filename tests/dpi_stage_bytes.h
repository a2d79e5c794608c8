// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/commands.h"
#include "device/section_encoding.h"
#include "device/upload.h"
#include "sim/section_decoder.h"
#include "sim/virtual_mouse.h"

#include <QByteArray>
#include <array>

// A DPI stage's block as the virtual mouse holds it in a slot, and as a record encodes it: the
// window tests compare the two.
inline QByteArray stageOnMouse(VirtualMouse& mouse, int slot, int stageIndex)
{
    const DecodedDpiStage stage =
        decodeDpiSection(mouse.onBoardSection(slot, CommandCode::DpiSection)).stages[size_t(stageIndex)];
    const std::array<quint8, kDpiStageBlockSize> bytes = { stage.used, stage.xLow, stage.xFlag, stage.yLow,
                                                           stage.yFlag };
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), kDpiStageBlockSize);
}

inline QByteArray stageEncoded(const ProfileRecord& profile, int stageIndex)
{
    EncodingContext context = currentEncodingContext();
    const DpiStageBlock block = encodeDpiStageBlock(profile, stageIndex, context);
    return QByteArray(reinterpret_cast<const char*>(block.data()), kDpiStageBlockSize);
}
