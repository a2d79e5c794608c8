#pragma once

#include "device/hid_backend.h"
#include "sim/section_store.h"
#include "sim/sim_trace.h"

#include <QElapsedTimer>
#include <QObject>
#include <array>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <vector>

// A faithful model of the mouse behind the HID seam: its receiver and cable identities with four
// collections each, the command protocol with checksums, echoes, section storage, commits into
// the active on-board profile, the battery answer and status reports from its own buttons; with
// controls for tests and the demo, fault injection, and a trace of every transfer.

enum class MouseLink { Receiver = 0, Cable = 1 };

struct SimIdentity
{
    quint16 vendorId = 0;
    quint16 productId = 0;
    quint16 releaseNumber = 0x0100;
};

struct SimIdentities
{
    SimIdentity receiver;
    SimIdentity cable;
};

// The identities the product description names.
SimIdentities simIdentitiesFromProductDescription();

class VirtualMouse final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(VirtualMouse)

public:
    // Collections of each identity, in order: mouse (1/2), keyboard (1/6), consumer (0x0C/1),
    // command (1/0).
    static constexpr int kCollectionCount = 4;
    static constexpr int kCommandCollection = 4;
    static constexpr int kEchoDelayUs = 1000; // one USB frame at 1000 Hz
    static constexpr int kDefaultMillivolts = 3900;

    explicit VirtualMouse(const SimIdentities& identities, QObject* parent = nullptr);
    ~VirtualMouse() override;

    // The USB side, as the HID seam calls it (any thread).
    std::vector<HidDeviceInfo> enumerate() const;
    HidHandle open(const QByteArray& path, HidOpenError* error);
    void close(HidHandle handle);
    int write(HidHandle handle, const quint8* data, std::size_t length);
    int read(HidHandle handle, quint8* data, std::size_t length, int timeoutMs);

    SimIdentity identity(MouseLink link) const;
    // Windows-style path of a collection (1..4), "\\?\HID#VID_...&col0N#...".
    QByteArray interfacePath(MouseLink link, int collection) const;
    // The path without "\\?\", as hot-plug notifications give it.
    QString hotplugName(MouseLink link, int collection) const;

    // Controls of how the mouse shows up: a collection the system has not listed (yet), another
    // usage pair, another release number, interfaces the user may not open.
    void setCollectionListed(MouseLink link, int collection, bool listed);
    void setCollectionUsage(MouseLink link, int collection, quint16 usagePage, quint16 usage);
    void setReleaseNumber(MouseLink link, quint16 releaseNumber);
    void setOpenDenied(bool denied);

    // Controls. Plugging and unplugging emit interfaceChanged for each collection.
    void plug(MouseLink link);
    void unplug(MouseLink link);
    bool isPlugged(MouseLink link) const;
    // Asleep, the mouse no longer answers through the receiver.
    void sleep();
    void wake();
    bool isAsleep() const;
    void setBatteryMillivolts(int millivolts);
    int batteryMillivolts() const;
    void setCharging(bool charging);
    bool isCharging() const;
    void setModeByte(quint8 mode);
    // 1 when the mouse's stored configuration is in step with the program; an open upload clears it.
    void setWriteStatus(quint8 status);
    // The mouse's own buttons: each changes its state and sends a status report.
    void pressProfileButton();
    void pressDpiButton();
    void pressRateButton();
    void pressLightingButton();

    // Fault injection.
    void failNextWrites(int count);
    // The next okWrites writes go through, then count writes fail.
    void failWritesAfter(int okWrites, int count);
    // Reads that time out although the mouse answered: its reports arrive after them.
    void failNextReads(int count);
    // Echoes that come back as 33 zero bytes.
    void zeroNextEchoes(int count);
    // Echoes with one byte flipped.
    void alterNextEchoes(int count, int byteIndex);
    // Reads answered, ahead of the echo, by the last command with one byte flipped.
    void answerNextReadsWithMismatch(int count, int byteIndex);
    // A status report that reaches the host just before the next echo.
    void injectStatusReportBeforeNextEcho();
    // A read with nothing to read returns at once (still traced as a timeout) instead of waiting
    // its timeout out. For tests that need many timeouts; off by default.
    void setFastTimeouts(bool fast);

    SimTrace& trace() { return m_trace; }
    const SimTrace& trace() const { return m_trace; }

    // What the mouse holds. Sections by command code 0x01..0x05.
    QByteArray section(quint8 code) const;        // the last closed write
    QByteArray pendingSection(quint8 code) const; // written since its last start
    int sectionWrites(quint8 code) const;         // closed writes
    int sectionWritesWithoutStart(quint8 code) const;
    QByteArray onBoardSection(int profile, quint8 code) const; // what commits put there
    int activeProfile() const;
    int dpiStage() const;
    int rateCode() const;
    int lightingMode() const;
    std::vector<quint8> commitsReceived() const; // section bits, in order
    int uploadsBegun() const;
    int uploadsEnded() const;
    bool isUploadOpen() const;
    int rejectedReports() const; // wrong report id, marker or checksum: not echoed
    int protocolErrors() const;  // well-formed but unusable (unknown code, broken block rules)
    int openHandleCount() const;

signals:
    void interfaceChanged(const QString& name, bool arrived);
    // The end-of-upload command arrived. Emitted on the thread that wrote it, with no lock held.
    void uploadEnded();
    // The host selected an on-board profile. Emitted like uploadEnded.
    void profileSelected();

private:
    struct CollectionState
    {
        quint16 usagePage;
        quint16 usage;
        bool listed = true;
    };
    struct Link
    {
        bool plugged = false;
        quint16 releaseNumber = 0;
        std::array<CollectionState, kCollectionCount> collections;
        quint64 generation = 0; // bumped on unplug, so old handles stop working
        struct Report
        {
            qint64 readyAtUs;
            std::array<quint8, 33> bytes;
        };
        std::deque<Report> input;
    };
    struct Handle
    {
        MouseLink link;
        int collection;
        quint64 generation;
    };
    using Report = std::array<quint8, 33>;

    Link& linkOf(MouseLink link) { return m_links[int(link)]; }
    const Link& linkOf(MouseLink link) const { return m_links[int(link)]; }
    const SimIdentity& identityOf(MouseLink link) const;
    Handle* liveHandle(HidHandle handle);
    int writeLocked(HidHandle handle, const quint8* data, std::size_t length, bool* uploadEnded);
    qint64 nowUs() const;
    void process(const Report& report, MouseLink link);
    void sendEcho(const Report& report, MouseLink link);
    void queueReport(MouseLink link, const Report& report);
    Report batteryReport() const;
    // A report the real mouse would refuse or misread: counted for tests, logged for people.
    void noteProtocolError(const Report& report);
    Report statusReport() const;
    // A committed general section sets the stage, rate and lighting mode the mouse reports.
    void takeGeneralSettings(const QByteArray& general);
    void sendStatusReport();
    bool answers(MouseLink link) const;
    void setPlugged(MouseLink link, bool plugged);
    int dpiStageCount() const;
    SectionStore& sectionStore(quint8 code);
    const SectionStore* sectionStore(quint8 code) const;

    const SimIdentities m_identities;
    bool m_openDenied = false;
    // Standard primitives rather than Qt's, so ThreadSanitizer sees the locking.
    mutable std::mutex m_mutex;
    std::condition_variable m_inputArrived;
    QElapsedTimer m_clock;
    SimTrace m_trace;
    std::array<Link, 2> m_links;
    std::vector<std::unique_ptr<Handle>> m_handles;

    std::vector<SectionStore> m_sections; // codes 0x01..0x05
    std::array<std::array<QByteArray, 5>, 5> m_onBoard{};
    std::vector<quint8> m_commits;
    Report m_lastCommand{};
    int m_activeProfile = 0;
    int m_dpiStage = 0;
    int m_rateCode = 1;
    int m_lightingMode = 0;
    int m_uploadsBegun = 0;
    int m_uploadsEnded = 0;
    std::atomic_int m_profileSelections{ 0 };
    bool m_uploadOpen = false;
    bool m_asleep = false;
    int m_millivolts = kDefaultMillivolts;
    bool m_charging = false;
    quint8 m_modeByte = 0;
    quint8 m_writeStatus = 1;
    int m_rejected = 0;
    int m_protocolErrors = 0;

    int m_failWrites = 0;
    int m_writesBeforeFailure = 0;
    int m_failReads = 0;
    int m_zeroEchoes = 0;
    int m_alteredEchoes = 0;
    int m_alteredEchoByte = 0;
    int m_mismatchReads = 0;
    int m_mismatchByte = 0;
    bool m_statusBeforeEcho = false;
    bool m_fastTimeouts = false;
};
