#include "device/commands.h"

#include <algorithm>

namespace {

constexpr quint8 kCommitArgument = 0xF3;
constexpr quint8 kBracketBegin = 0;
constexpr quint8 kBracketEnd = 1;
constexpr quint8 kSelectProfileResult = 1;
constexpr int kDataStart = 8;
constexpr quint8 kCommitOrder[] = { CommitBit::Buttons, CommitBit::General, CommitBit::Dpi, CommitBit::Lighting,
                                    CommitBit::Macros };

quint8 send(const CommandReport& report)
{
    return sendCommand(report.data(), int(report.size()));
}

} // namespace

CommandReport makeCommandReport(quint8 code, quint8 byte4, quint8 byte5, quint8 count, quint8 byte7)
{
    CommandReport report{};
    report[0] = kCommandReportId;
    report[2] = kCommandMarker;
    report[3] = code;
    report[4] = byte4;
    report[5] = byte5;
    report[6] = count;
    report[7] = byte7;
    return report;
}

CommandReport batteryQueryReport()
{
    CommandReport report = makeCommandReport(CommandCode::BatteryQuery);
    report[1] = commandChecksum(report.data());
    return report;
}

quint8 writeSectionBlock(quint8 code, quint16 offset, quint8 marker, const QByteArray& data)
{
    const int count = std::min<int>(data.size(), kMaxReportData);
    CommandReport report = makeCommandReport(code, quint8(offset & 0xFF), quint8(offset >> 8), quint8(count), marker);
    std::copy(data.begin(), data.begin() + count, report.begin() + kDataStart);
    return send(report);
}

quint8 writeEndOfSection(quint8 code)
{
    const quint16 offset = code == CommandCode::MacroSection ? kMacroSectionEndOffset : kSectionEndOffset;
    return writeSectionBlock(code, offset, BlockMarker::End, QByteArray(1, char(kEndOfSectionByte)));
}

quint8 beginUpload()
{
    return send(makeCommandReport(CommandCode::UploadBracket, kBracketBegin));
}

quint8 endUpload()
{
    return send(makeCommandReport(CommandCode::UploadBracket, kBracketEnd));
}

quint8 commit(quint8 sectionBit)
{
    return send(makeCommandReport(CommandCode::Commit, kCommitArgument, sectionBit));
}

quint8 commitAll()
{
    for (quint8 bit : kCommitOrder) {
        if (const quint8 result = commit(bit))
            return result;
    }
    return kTransportOk;
}

quint8 selectProfileOnDevice(quint8 slot)
{
    send(makeCommandReport(CommandCode::SelectProfile, slot));
    commit(CommitBit::General);
    return kSelectProfileResult;
}

quint8 switchOnBoardProfile(quint8 slot)
{
    selectProfileOnDevice(slot);
    return commitAll();
}
