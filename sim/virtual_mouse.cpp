#include "sim/virtual_mouse.h"

#include "device/battery.h"
#include "device/commands.h"
#include "device/section_encoding.h"
#include "log_categories.h"
#include "storage/product_description.h"

#include <algorithm>
#include <chrono>

namespace {

constexpr int kReportSize = 33;
constexpr int kDataStart = 8;
constexpr int kSectionCount = 5;
constexpr int kSectionCapacity = 0x80;
constexpr int kMacroSectionCapacity = 0x1000;
constexpr quint8 kCommitArgument = 0xF3;
constexpr quint8 kBracketBegin = 0;
constexpr quint8 kBracketEnd = 1;
constexpr int kMaxDpiStages = 8;
// The report-rate codes in the order the mouse's rate button steps through them: 125, 250, 500, 1000 Hz.
constexpr int kRateCycle[] = { 8, 4, 2, 1 };
constexpr int kLightingModes = 14;
constexpr int kInputQueueLimit = 64; // the host side's report buffer
constexpr quint8 kFlipMask = 0xFF;
constexpr int kForeverMs = 1000 * 60 * 60;

const char kFullPathPrefix[] = "\\\\?\\";
const char kHidClassSuffix[] = "{4d1e55b2-f16f-11cf-88cb-001111000030}";

struct CollectionUsage
{
    quint16 usagePage;
    quint16 usage;
};
constexpr CollectionUsage kCollections[VirtualMouse::kCollectionCount] = { { 1, 2 }, { 1, 6 }, { 0x0C, 1 }, { 1, 0 } };

// Where the general section keeps the values the status report tells.
constexpr int kGeneralProfileByte = 6;
constexpr int kGeneralRateBytes = 11;
constexpr int kGeneralStageByte = 17;
constexpr int kGeneralLightingByte = 18;

// The lighting mode a general section's lighting code stands for; several modes share code 6,
// so the current mode stays when it is one of them. -1 for a code no mode has.
int lightingModeOfCode(quint8 code, int currentMode)
{
    if (currentMode >= 0 && currentMode < kLightingModes && lightingCode(currentMode) == code)
        return currentMode;
    for (int mode = 0; mode < kLightingModes; ++mode) {
        if (lightingCode(mode) == code)
            return mode;
    }
    return -1;
}

bool isSectionCode(quint8 code)
{
    return code >= CommandCode::GeneralSection && code <= CommandCode::MacroSection;
}

quint8 commitBitOf(quint8 code)
{
    return quint8(1u << (code - 1));
}

} // namespace

SimIdentities simIdentitiesFromProductDescription()
{
    const UsbIdentifiers ids = readUsbIdentifiers();
    SimIdentities identities;
    identities.receiver.vendorId = quint16(ids.receiverVendorId);
    identities.receiver.productId = quint16(ids.receiverProductId);
    identities.cable.vendorId = quint16(ids.cableVendorId);
    identities.cable.productId = quint16(ids.cableProductId);
    return identities;
}

VirtualMouse::VirtualMouse(const SimIdentities& identities, QObject* parent)
    : QObject(parent)
    , m_identities(identities)
{
    m_clock.start();
    for (MouseLink link : { MouseLink::Receiver, MouseLink::Cable }) {
        Link& state = linkOf(link);
        state.releaseNumber = identityOf(link).releaseNumber;
        for (int i = 0; i < kCollectionCount; ++i)
            state.collections[i] = { kCollections[i].usagePage, kCollections[i].usage, true };
    }
    for (quint8 code = CommandCode::GeneralSection; code <= CommandCode::MacroSection; ++code) {
        if (code == CommandCode::MacroSection)
            // Empty macro slots are not sent, so a macro write starts at its first used slot.
            m_sections.emplace_back(kMacroSectionCapacity, kMacroSectionEndOffset, SectionStore::Start::AnyOffset);
        else
            m_sections.emplace_back(kSectionCapacity, kSectionEndOffset);
    }
    for (auto& profile : m_onBoard) {
        for (int i = 0; i < kSectionCount; ++i)
            profile[i] = QByteArray(m_sections[i].closed().size(), '\0');
    }
}

VirtualMouse::~VirtualMouse() = default;

const SimIdentity& VirtualMouse::identityOf(MouseLink link) const
{
    return link == MouseLink::Receiver ? m_identities.receiver : m_identities.cable;
}

QByteArray VirtualMouse::interfacePath(MouseLink link, int collection) const
{
    return kFullPathPrefix + hotplugName(link, collection).toLatin1();
}

QString VirtualMouse::hotplugName(MouseLink link, int collection) const
{
    const SimIdentity& identity = identityOf(link);
    // The cable shows up as interface 0 of a composite device, the receiver as a plain one.
    const char* interfacePart = link == MouseLink::Cable ? "&MI_00" : "";
    const char* instance = link == MouseLink::Cable ? "sim&cable" : "sim&receiver";
    return QString::asprintf("HID#VID_%04X&PID_%04X%s&col%02d#%s#%s", identity.vendorId, identity.productId,
                             interfacePart, collection, instance, kHidClassSuffix);
}

qint64 VirtualMouse::nowUs() const
{
    return m_clock.nsecsElapsed() / 1000;
}

std::vector<HidDeviceInfo> VirtualMouse::enumerate() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<HidDeviceInfo> entries;
    for (MouseLink link : { MouseLink::Receiver, MouseLink::Cable }) {
        const Link& state = linkOf(link);
        if (!state.plugged)
            continue;
        const SimIdentity& identity = identityOf(link);
        for (int collection = 1; collection <= kCollectionCount; ++collection) {
            const CollectionState& listed = state.collections[collection - 1];
            if (!listed.listed)
                continue;
            HidDeviceInfo info;
            info.path = interfacePath(link, collection);
            info.interfaceName = info.path;
            info.vendorId = identity.vendorId;
            info.productId = identity.productId;
            info.releaseNumber = state.releaseNumber;
            info.usagePage = listed.usagePage;
            info.usage = listed.usage;
            entries.push_back(info);
        }
    }
    return entries;
}

HidHandle VirtualMouse::open(const QByteArray& path, HidOpenError* error)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    // Windows opens a name with or without its "\\?\" prefix.
    const QByteArray full = path.startsWith(kFullPathPrefix) ? path : kFullPathPrefix + path;
    for (MouseLink link : { MouseLink::Receiver, MouseLink::Cable }) {
        if (!linkOf(link).plugged)
            continue;
        for (int collection = 1; collection <= kCollectionCount; ++collection) {
            if (interfacePath(link, collection).compare(full, Qt::CaseInsensitive) != 0)
                continue;
            if (m_openDenied) {
                if (error)
                    *error = HidOpenError::PermissionDenied;
                return nullptr;
            }
            m_handles.push_back(std::make_unique<Handle>(Handle{ link, collection, linkOf(link).generation }));
            if (error)
                *error = HidOpenError::None;
            return reinterpret_cast<HidHandle>(m_handles.back().get());
        }
    }
    if (error)
        *error = HidOpenError::Other;
    return nullptr;
}

void VirtualMouse::close(HidHandle handle)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto found = std::find_if(m_handles.begin(), m_handles.end(), [handle](const auto& owned) {
        return reinterpret_cast<HidHandle>(owned.get()) == handle;
    });
    if (found != m_handles.end())
        m_handles.erase(found);
}

VirtualMouse::Handle* VirtualMouse::liveHandle(HidHandle handle)
{
    for (const auto& owned : m_handles) {
        if (reinterpret_cast<HidHandle>(owned.get()) != handle)
            continue;
        const Link& link = linkOf(owned->link);
        return link.plugged && link.generation == owned->generation ? owned.get() : nullptr;
    }
    return nullptr;
}

int VirtualMouse::openHandleCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return int(m_handles.size());
}

int VirtualMouse::write(HidHandle handle, const quint8* data, std::size_t length)
{
    bool ended = false;
    const int selectionsBefore = m_profileSelections;
    const int result = writeLocked(handle, data, length, &ended);
    // Announced after the lock is let go, so a receiver may ask the mouse what it now holds.
    if (ended)
        emit uploadEnded();
    if (m_profileSelections != selectionsBefore)
        emit profileSelected();
    return result;
}

int VirtualMouse::writeLocked(HidHandle handle, const quint8* data, std::size_t length, bool* uploadEnded)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_trace.recordWrite(data, int(length));
    const Handle* target = liveHandle(handle);
    if (!target)
        return -1;
    if (m_writesBeforeFailure > 0) {
        --m_writesBeforeFailure;
    } else if (m_failWrites > 0) {
        --m_failWrites;
        return -1;
    }
    if (length != kReportSize || target->collection != kCommandCollection)
        return int(length);
    Report report;
    std::copy(data, data + kReportSize, report.begin());
    if (report[0] != kCommandReportId || report[2] != kCommandMarker || report[1] != commandChecksum(report.data())) {
        ++m_rejected;
        return int(length);
    }
    if (answers(target->link)) {
        const int endedBefore = m_uploadsEnded;
        process(report, target->link);
        *uploadEnded = m_uploadsEnded != endedBefore;
    }
    return int(length);
}

bool VirtualMouse::answers(MouseLink link) const
{
    return link == MouseLink::Cable || !m_asleep;
}

void VirtualMouse::process(const Report& report, MouseLink link)
{
    m_lastCommand = report;
    const quint8 code = report[3];
    if (isSectionCode(code)) {
        const int count = report[6];
        const quint16 offset = quint16(report[4] | (report[5] << 8));
        const bool fits = count <= kMaxReportData;
        const QByteArray data(reinterpret_cast<const char*>(report.data() + kDataStart), fits ? count : 0);
        if (!fits || !sectionStore(code).applyBlock(offset, report[7], data))
            noteProtocolError(report);
        sendEcho(report, link);
    } else if (code == CommandCode::Commit) {
        if (report[4] == kCommitArgument) {
            m_commits.push_back(report[5]);
            for (quint8 section = CommandCode::GeneralSection; section <= CommandCode::MacroSection; ++section) {
                if (report[5] & commitBitOf(section))
                    m_onBoard[m_activeProfile][section - 1] = sectionStore(section).closed();
            }
            if (report[5] & commitBitOf(CommandCode::GeneralSection))
                takeGeneralSettings(m_onBoard[m_activeProfile][CommandCode::GeneralSection - 1]);
        } else {
            noteProtocolError(report);
        }
        sendEcho(report, link);
    } else if (code == CommandCode::SelectProfile) {
        if (report[4] < kOnBoardProfileCount) {
            m_activeProfile = report[4];
            ++m_profileSelections;
        } else
            noteProtocolError(report);
    } else if (code == CommandCode::UploadBracket) {
        if (report[4] == kBracketBegin) {
            ++m_uploadsBegun;
            m_uploadOpen = true;
            m_writeStatus = 0;
        } else if (report[4] == kBracketEnd) {
            ++m_uploadsEnded;
            m_uploadOpen = false;
            m_writeStatus = 1;
        } else {
            noteProtocolError(report);
        }
        sendEcho(report, link);
    } else if (code == CommandCode::BatteryQuery) {
        queueReport(link, batteryReport());
    } else {
        noteProtocolError(report);
    }
}

void VirtualMouse::sendEcho(const Report& report, MouseLink link)
{
    if (m_statusBeforeEcho) {
        m_statusBeforeEcho = false;
        queueReport(link, statusReport());
    }
    Report echo = report;
    if (m_zeroEchoes > 0) {
        --m_zeroEchoes;
        echo.fill(0);
    } else if (m_alteredEchoes > 0) {
        --m_alteredEchoes;
        echo[m_alteredEchoByte] ^= kFlipMask;
    }
    queueReport(link, echo);
}

void VirtualMouse::queueReport(MouseLink link, const Report& report)
{
    std::deque<Link::Report>& input = linkOf(link).input;
    if (int(input.size()) >= kInputQueueLimit)
        input.pop_front();
    input.push_back({ nowUs() + kEchoDelayUs, report });
    m_inputArrived.notify_all();
}

int VirtualMouse::read(HidHandle handle, quint8* data, std::size_t length, int timeoutMs)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    const qint64 deadlineUs = nowUs() + qint64(timeoutMs < 0 ? kForeverMs : timeoutMs) * 1000;
    const auto waitUntil = [this, &lock](qint64 untilUs) {
        const qint64 remainingUs = untilUs - nowUs();
        if (remainingUs > 0)
            m_inputArrived.wait_for(lock, std::chrono::microseconds(remainingUs));
    };
    const auto timedOut = [&] {
        if (!m_fastTimeouts) {
            while (nowUs() < deadlineUs && liveHandle(handle))
                waitUntil(deadlineUs);
        }
        m_trace.recordTimeout();
        return liveHandle(handle) ? 0 : -1;
    };

    Handle* source = liveHandle(handle);
    if (!source) {
        m_trace.recordTimeout();
        return -1;
    }
    if (m_failReads > 0) {
        --m_failReads;
        return timedOut();
    }
    const auto deliver = [&](const Report& report) {
        const int size = int(std::min<std::size_t>(length, kReportSize));
        std::copy(report.begin(), report.begin() + size, data);
        m_trace.recordRead(report.data(), kReportSize);
        return size;
    };
    if (m_mismatchReads > 0 && source->collection == kCommandCollection) {
        --m_mismatchReads;
        Report mismatch = m_lastCommand;
        mismatch[m_mismatchByte] ^= kFlipMask;
        return deliver(mismatch);
    }
    for (;;) {
        source = liveHandle(handle);
        if (!source || source->collection != kCommandCollection)
            return timedOut();
        std::deque<Link::Report>& input = linkOf(source->link).input;
        if (!input.empty() && input.front().readyAtUs <= nowUs()) {
            const Report report = input.front().bytes;
            input.pop_front();
            return deliver(report);
        }
        if (!input.empty() && input.front().readyAtUs <= deadlineUs) {
            waitUntil(input.front().readyAtUs);
            continue;
        }
        if (m_fastTimeouts || nowUs() >= deadlineUs)
            return timedOut();
        waitUntil(deadlineUs);
    }
}

void VirtualMouse::noteProtocolError(const Report& report)
{
    ++m_protocolErrors;
    qCDebug(lcSim, "refused report: code %02x, bytes 4..7 %02x %02x %02x %02x", report[3], report[4], report[5],
            report[6], report[7]);
}

VirtualMouse::Report VirtualMouse::batteryReport() const
{
    const quint16 level = batteryLevelForMillivolts(m_millivolts);
    Report report = makeCommandReport(CommandCode::BatteryQuery, quint8(level & 0xFF), quint8((level >> 8) & 0xFF),
                                      m_charging ? 1 : 0, m_writeStatus);
    report[BatteryByte::SensorMode] = m_modeByte;
    report[1] = commandChecksum(report.data());
    return report;
}

VirtualMouse::Report VirtualMouse::statusReport() const
{
    Report report = makeCommandReport(CommandCode::StatusReport, quint8(m_activeProfile), quint8(m_dpiStage),
                                      quint8(m_rateCode), quint8(m_lightingMode));
    report[1] = commandChecksum(report.data());
    return report;
}

void VirtualMouse::sendStatusReport()
{
    if (linkOf(MouseLink::Cable).plugged)
        queueReport(MouseLink::Cable, statusReport());
    else if (linkOf(MouseLink::Receiver).plugged && answers(MouseLink::Receiver))
        queueReport(MouseLink::Receiver, statusReport());
}

void VirtualMouse::setPlugged(MouseLink link, bool plugged)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        Link& state = linkOf(link);
        if (state.plugged == plugged)
            return;
        state.plugged = plugged;
        if (!plugged) {
            ++state.generation;
            state.input.clear();
            m_inputArrived.notify_all();
        }
    }
    for (int collection = 1; collection <= kCollectionCount; ++collection)
        emit interfaceChanged(hotplugName(link, collection), plugged);
}

void VirtualMouse::plug(MouseLink link)
{
    setPlugged(link, true);
}

void VirtualMouse::unplug(MouseLink link)
{
    setPlugged(link, false);
}

bool VirtualMouse::isPlugged(MouseLink link) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return linkOf(link).plugged;
}

void VirtualMouse::sleep()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_asleep = true;
    linkOf(MouseLink::Receiver).input.clear();
}

void VirtualMouse::wake()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_asleep = false;
}

bool VirtualMouse::isAsleep() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_asleep;
}

void VirtualMouse::setBatteryMillivolts(int millivolts)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_millivolts = qBound(0, millivolts, 0xFFFF);
}

int VirtualMouse::batteryMillivolts() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_millivolts;
}

void VirtualMouse::setCharging(bool charging)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_charging = charging;
}

bool VirtualMouse::isCharging() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_charging;
}

void VirtualMouse::setModeByte(quint8 mode)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_modeByte = mode;
}

void VirtualMouse::setWriteStatus(quint8 status)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_writeStatus = status;
}

int VirtualMouse::dpiStageCount() const
{
    const int count = quint8(m_onBoard[m_activeProfile][CommandCode::DpiSection - 1].at(0));
    return count >= 1 && count <= kMaxDpiStages ? count : kMaxDpiStages;
}

void VirtualMouse::takeGeneralSettings(const QByteArray& general)
{
    if (general.size() <= kGeneralLightingByte)
        return;
    // The section holds the rate of every profile, but the stage and lighting of one only.
    const int rate = quint8(general.at(kGeneralRateBytes + m_activeProfile));
    if (std::find(std::begin(kRateCycle), std::end(kRateCycle), rate) != std::end(kRateCycle))
        m_rateCode = rate;
    if (quint8(general.at(kGeneralProfileByte)) != m_activeProfile)
        return;
    const int stage = quint8(general.at(kGeneralStageByte));
    if (stage < dpiStageCount())
        m_dpiStage = stage;
    const int mode = lightingModeOfCode(quint8(general.at(kGeneralLightingByte)), m_lightingMode);
    if (mode >= 0)
        m_lightingMode = mode;
}

void VirtualMouse::pressProfileButton()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_activeProfile = (m_activeProfile + 1) % kOnBoardProfileCount;
    sendStatusReport();
}

void VirtualMouse::pressDpiButton()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_dpiStage = (m_dpiStage + 1) % dpiStageCount();
    sendStatusReport();
}

void VirtualMouse::pressRateButton()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto* current = std::find(std::begin(kRateCycle), std::end(kRateCycle), m_rateCode);
    m_rateCode =
        current == std::end(kRateCycle) || current + 1 == std::end(kRateCycle) ? kRateCycle[0] : *(current + 1);
    sendStatusReport();
}

void VirtualMouse::pressLightingButton()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_lightingMode = (m_lightingMode + 1) % kLightingModes;
    sendStatusReport();
}

void VirtualMouse::failNextWrites(int count)
{
    failWritesAfter(0, count);
}

void VirtualMouse::failWritesAfter(int okWrites, int count)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_writesBeforeFailure = okWrites;
    m_failWrites = count;
}

SimIdentity VirtualMouse::identity(MouseLink link) const
{
    return identityOf(link);
}

void VirtualMouse::setCollectionListed(MouseLink link, int collection, bool listed)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (collection >= 1 && collection <= kCollectionCount)
        linkOf(link).collections[collection - 1].listed = listed;
}

void VirtualMouse::setCollectionUsage(MouseLink link, int collection, quint16 usagePage, quint16 usage)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (collection < 1 || collection > kCollectionCount)
        return;
    CollectionState& state = linkOf(link).collections[collection - 1];
    state.usagePage = usagePage;
    state.usage = usage;
}

void VirtualMouse::setReleaseNumber(MouseLink link, quint16 releaseNumber)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    linkOf(link).releaseNumber = releaseNumber;
}

void VirtualMouse::setOpenDenied(bool denied)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_openDenied = denied;
}

void VirtualMouse::failNextReads(int count)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_failReads = count;
}

void VirtualMouse::zeroNextEchoes(int count)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_zeroEchoes = count;
}

void VirtualMouse::alterNextEchoes(int count, int byteIndex)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_alteredEchoes = count;
    m_alteredEchoByte = qBound(0, byteIndex, kReportSize - 1);
}

void VirtualMouse::answerNextReadsWithMismatch(int count, int byteIndex)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_mismatchReads = count;
    m_mismatchByte = qBound(0, byteIndex, kReportSize - 1);
}

void VirtualMouse::injectStatusReportBeforeNextEcho()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_statusBeforeEcho = true;
}

void VirtualMouse::setFastTimeouts(bool fast)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_fastTimeouts = fast;
}

SectionStore& VirtualMouse::sectionStore(quint8 code)
{
    return m_sections[code - 1];
}

const SectionStore* VirtualMouse::sectionStore(quint8 code) const
{
    return isSectionCode(code) ? &m_sections[code - 1] : nullptr;
}

QByteArray VirtualMouse::section(quint8 code) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const SectionStore* store = sectionStore(code);
    return store ? store->closed() : QByteArray();
}

QByteArray VirtualMouse::pendingSection(quint8 code) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const SectionStore* store = sectionStore(code);
    return store ? store->pending() : QByteArray();
}

int VirtualMouse::sectionWrites(quint8 code) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const SectionStore* store = sectionStore(code);
    return store ? store->closedWrites() : 0;
}

int VirtualMouse::sectionWritesWithoutStart(quint8 code) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const SectionStore* store = sectionStore(code);
    return store ? store->writesWithoutStart() : 0;
}

QByteArray VirtualMouse::onBoardSection(int profile, quint8 code) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (profile < 0 || profile >= kOnBoardProfileCount || !isSectionCode(code))
        return QByteArray();
    return m_onBoard[profile][code - 1];
}

int VirtualMouse::activeProfile() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_activeProfile;
}

int VirtualMouse::dpiStage() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_dpiStage;
}

int VirtualMouse::rateCode() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_rateCode;
}

int VirtualMouse::lightingMode() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_lightingMode;
}

std::vector<quint8> VirtualMouse::commitsReceived() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_commits;
}

int VirtualMouse::uploadsBegun() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_uploadsBegun;
}

int VirtualMouse::uploadsEnded() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_uploadsEnded;
}

bool VirtualMouse::isUploadOpen() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_uploadOpen;
}

int VirtualMouse::rejectedReports() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_rejected;
}

int VirtualMouse::protocolErrors() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_protocolErrors;
}
