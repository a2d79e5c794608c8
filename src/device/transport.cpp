#include "device/transport.h"

#include "device/device_state.h"
#include "log_categories.h"

#include <QThread>
#include <QtDebug>
#include <algorithm>

namespace {

constexpr int kEchoTimeoutMs = 150;
constexpr int kAfterWriteMs = 10;
constexpr int kRetryPauseMs = 50;
constexpr int kReadFailureLimit = 30;
constexpr int kCommandMismatchLimit = 20;
constexpr int kRewriteLimit = 2;
constexpr int kZeroEchoLimit = 5;
constexpr int kHeaderSize = 8;
constexpr int kDataStart = 8;
constexpr quint8 kChecksumXor = 0x66;
constexpr quint8 kLastSectionCode = 10;
constexpr quint8 kCommitCode = 0x40;
constexpr quint8 kBracketCode = 0x46;

enum Outcome { kMatch = 0, kCommandMismatch = 1, kDataMismatch = 2 };

const char kTraceStart[] = "开始发送--------------------------------------";
const char kTraceNoHandle[] = "没找到设备，失败返回--------------------------------------";
const char kTraceWriteFailed[] = "hid_write发送失败--------------------------------------";
const char kTraceReadStart[] = "hid_read开始";
const char kTraceReadFailed[] = "hid_read开始读失败 %1";
const char kTraceReadAgain[] = "重新读";
const char kTraceWriteRetry[] = "写失败 %1";
const char kTraceWriteAgain[] = "重新写";
const char kTraceReadsExhausted[] = "多次读失败，返回--------------------------------------";
const char kTraceZeroEcho[] = "对比位全为0，跳转到重新写";
const char kTraceZeroEchoes[] = "对比位全为0多次，返回--------------------------------------";
const char kTraceDataRewrite[] = "数据位对比失败，重新写 %1";
const char kTraceDataGiveUp[] = "数据位多次对比失败，返回--------------------------------------";
const char kTraceHeaderReread[] = "指令位对比失败，重新读 %1";
const char kTraceHeaderRewrite[] = "指令位对比失败，重新写 %1";
const char kTraceHeaderGiveUp[] = "指令位多次对比失败，返回--------------------------------------";
const char kTraceSuccess[] = "发送成功--------------------------------------";
const char kTraceBlank[] = " ";
const char kDebugWriteFailed[] = "Unable to send a feature report.\n";

TransportTraceSink& traceSink()
{
    static TransportTraceSink sink;
    return sink;
}

void trace(const QString& text)
{
    if (const TransportTraceSink& sink = traceSink())
        sink(text);
    else
        qCDebug(lcTransport).noquote() << text;
}

void trace(const char* text)
{
    trace(QString::fromUtf8(text));
}

void trace(const char* format, int value)
{
    trace(QString::fromUtf8(format).arg(value));
}

// A closing trace is followed by two blank ones.
quint8 finish(const char* text, quint8 result)
{
    trace(text);
    trace(kTraceBlank);
    trace(kTraceBlank);
    return result;
}

void traceTransfer(const char* direction, int length, const CommandReport& bytes)
{
    QStringList hex;
    for (quint8 byte : bytes)
        hex << QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0'));
    trace(QStringLiteral("%1 length=%2 data=%3").arg(QLatin1String(direction)).arg(length).arg(hex.join(' ')));
}

bool expectsEcho(quint8 code)
{
    return code <= kLastSectionCode || code == kBracketCode || code == kCommitCode;
}

Outcome compareEcho(const CommandReport& report, const CommandReport& echo)
{
    // Byte 1 (checksum) and byte 7 (block marker) are not compared.
    for (int i : { 0, 2, 3, 4, 5, 6 }) {
        if (echo[i] != report[i])
            return kCommandMismatch;
    }
    const int count = report[6];
    if (report[3] <= kLastSectionCode && count != 0) {
        const int end = std::min(kDataStart + count, kCommandReportSize);
        if (!std::equal(report.begin() + kDataStart, report.begin() + end, echo.begin() + kDataStart))
            return kDataMismatch;
    }
    return kMatch;
}

bool isZeroHeader(const CommandReport& echo)
{
    return std::all_of(echo.begin(), echo.begin() + kHeaderSize, [](quint8 byte) { return byte == 0; });
}

} // namespace

quint8 commandChecksum(const quint8* report)
{
    quint32 sum = 0;
    for (int i = 2; i <= 7; ++i)
        sum += report[i];
    return quint8(sum & 0xFF) ^ kChecksumXor;
}

void setTransportTraceSink(TransportTraceSink sink)
{
    traceSink() = std::move(sink);
}

quint8 sendCommand(const quint8* command, int length)
{
    trace(kTraceStart);
    HidHandle handle = commandHandle();
    if (!handle)
        return finish(kTraceNoHandle, kTransportNoDevice);

    CommandReport report{};
    std::copy(command, command + std::min(length, kCommandReportSize), report.begin());
    report[1] = commandChecksum(report.data());

    int readFailures = 0;
    int commandMismatches = 0;
    int rewrites = 0;
    int zeroEchoes = 0;
    Outcome lastOutcome = kMatch;
    HidBackend& hid = hidBackend();

    bool writeNext = true;
    for (;;) {
        if (writeNext) {
            const int written = hid.write(handle, report.data(), report.size());
            traceTransfer("hid_write", written, report);
            if (written < 0) {
                qCDebug(lcTransport, kDebugWriteFailed);
                return finish(kTraceWriteFailed, kTransportWriteFailed);
            }
            QThread::msleep(kAfterWriteMs);
            if (!expectsEcho(report[3]))
                return finish(kTraceSuccess, kTransportOk);
            writeNext = false;
        }

        trace(kTraceReadStart);
        CommandReport echo{};
        const int read = hid.readTimeout(handle, echo.data(), echo.size(), kEchoTimeoutMs);
        // A timeout reads nothing: it is a failed read, not an all-zero echo that would end in
        // success after six rewrites of a mouse that never answered.
        if (read <= 0) {
            ++readFailures;
            trace(kTraceReadFailed, readFailures);
            if (readFailures < kReadFailureLimit) {
                trace(kTraceReadAgain);
                QThread::msleep(kRetryPauseMs);
                continue;
            }
            ++rewrites;
            trace(kTraceWriteRetry, rewrites);
            if (rewrites <= kRewriteLimit) {
                trace(kTraceWriteAgain);
                writeNext = true;
                continue;
            }
            return finish(kTraceReadsExhausted, kTransportFailed);
        }
        traceTransfer("hid_read", read, echo);

        Outcome outcome;
        if (isZeroHeader(echo)) {
            ++zeroEchoes;
            if (zeroEchoes <= kZeroEchoLimit) {
                trace(kTraceZeroEcho);
                writeNext = true;
                continue;
            }
            trace(kTraceZeroEchoes);
            outcome = lastOutcome;
        } else {
            outcome = compareEcho(report, echo);
            lastOutcome = outcome;
        }

        if (outcome == kDataMismatch) {
            ++rewrites;
            if (rewrites > kRewriteLimit)
                return finish(kTraceDataGiveUp, kTransportFailed);
            trace(kTraceDataRewrite, rewrites);
            zeroEchoes = 0;
            writeNext = true;
        } else if (outcome == kCommandMismatch) {
            ++commandMismatches;
            if (commandMismatches < kCommandMismatchLimit) {
                trace(kTraceHeaderReread, commandMismatches);
                QThread::msleep(kRetryPauseMs);
                zeroEchoes = 0;
                continue;
            }
            ++rewrites;
            if (rewrites > kRewriteLimit)
                return finish(kTraceHeaderGiveUp, kTransportFailed);
            trace(kTraceHeaderRewrite, rewrites);
            zeroEchoes = 0;
            writeNext = true;
        } else {
            return finish(kTraceSuccess, kTransportOk);
        }
    }
}
