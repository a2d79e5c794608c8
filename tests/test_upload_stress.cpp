#include "buttons/function_catalogue.h"
#include "device/commands.h"
#include "device/upload.h"
#include "storage/app_config.h"
#include "storage/macro_files.h"
#include "upload_sandbox.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

constexpr int kDefaultUploads = 200;
const QStringList kMacroNames = { QStringLiteral("m0"), QStringLiteral("m1"), QStringLiteral("m2"),
                                  QStringLiteral("m3") };
const int kPlainFunctions[] = { 1, 2, 3, 4, 5, 16, 17, 31, 39, 47, 48, 54, 63 };

int uploadCount()
{
    bool ok = false;
    const int count = qEnvironmentVariableIntValue("MOUSECFG_STRESS_UPLOADS", &ok);
    return ok && count > 0 ? count : kDefaultUploads;
}

QByteArray bytesOf(const quint8* data, int count)
{
    return QByteArray(reinterpret_cast<const char*>(data), count);
}

// One random edit of the kind the pages make.
void editConfiguration(ConfigRecord& config, QRandomGenerator& random)
{
    ProfileRecord& profile = config.profiles[config.ProfileID];
    switch (random.bounded(6)) {
        case 0:
            profile.pollrate = static_cast<quint8>(random.bounded(4));
            config.Debounce = static_cast<quint8>(random.bounded(32));
            break;
        case 1: {
            DpiStage& stage = profile.dpiStages[random.bounded(kDpiStageCount)];
            stage.x = static_cast<quint32>(random.bounded(520));
            stage.y = static_cast<quint32>(random.bounded(520));
            stage.used = static_cast<quint8>(random.bounded(2));
            break;
        }
        case 2: {
            ButtonEntry& entry = profile.buttons[1 + random.bounded(5)];
            if (random.bounded(2) == 0) {
                entry.Fun = FunctionCode::Macro;
                entry.macroname = kMacroNames.at(random.bounded(kMacroNames.size()));
                entry.Res1 = static_cast<quint8>(random.bounded(3));
                entry.LoopNumber = random.bounded(1, 300);
            } else {
                entry.Fun = kPlainFunctions[random.bounded(static_cast<int>(std::size(kPlainFunctions)))];
            }
            break;
        }
        case 3:
            profile.ledEffects[profile.LedMode].RGB =
                QColor(random.bounded(256), random.bounded(256), random.bounded(256));
            profile.ledEffects[profile.LedMode].bright = static_cast<quint32>(random.bounded(5));
            break;
        case 4:
            profile.LedMode = static_cast<quint8>(random.bounded(kLedEffectCount));
            break;
        default: // every profile's wheel speed travels in the general section
            config.profiles[random.bounded(kProfileCount)].scrollspeed = static_cast<quint8>(random.bounded(1, 11));
            break;
    }
}

// One fault of the kinds a real link shows; some are absorbed by the retries, some are not.
QString injectFault(VirtualMouse& mouse, QRandomGenerator& random)
{
    switch (random.bounded(8)) {
        case 0: {
            const int count = random.bounded(1, 40);
            mouse.failNextReads(count);
            return QStringLiteral("%1 read timeouts").arg(count);
        }
        case 1: {
            const int count = random.bounded(1, 8);
            mouse.zeroNextEchoes(count);
            return QStringLiteral("%1 zero echoes").arg(count);
        }
        case 2: {
            const int count = random.bounded(1, 4);
            mouse.alterNextEchoes(count, 8 + random.bounded(4));
            return QStringLiteral("%1 data mismatches").arg(count);
        }
        case 3: {
            const int count = random.bounded(1, 25);
            mouse.answerNextReadsWithMismatch(count, 3 + random.bounded(4));
            return QStringLiteral("%1 header mismatches").arg(count);
        }
        case 4:
            mouse.injectStatusReportBeforeNextEcho();
            return QStringLiteral("unsolicited status report");
        case 5:
            mouse.failNextWrites(1);
            return QStringLiteral("write failure");
        default:
            return QStringLiteral("no fault");
    }
}

} // namespace

class TestUploadStress final : public QObject
{
    Q_OBJECT

private slots:
    void manyUploadsWithFaultsLeaveTheLastGoodConfiguration();

private:
    void verifyMouseHolds(UploadSandbox& sandbox, const ConfigRecord& config, const QString& when);
};

void TestUploadStress::verifyMouseHolds(UploadSandbox& sandbox, const ConfigRecord& config, const QString& when)
{
    const EncodingContext context = currentEncodingContext();
    VirtualMouse& mouse = sandbox.mouse();
    // What the last section write left, and what the commits made of it in the active profile.
    const auto holds = [&](quint8 code, const QByteArray& expected) {
        const QString what = QStringLiteral("%1, section %2").arg(when).arg(code);
        QVERIFY2(mouse.section(code).startsWith(expected), qPrintable(what));
        QVERIFY2(mouse.onBoardSection(mouse.activeProfile(), code).startsWith(expected), qPrintable(what));
    };

    const GeneralSection general = encodeGeneralSection(config, context);
    holds(CommandCode::GeneralSection, bytesOf(general.data(), kGeneralSectionSize));

    QByteArray dpi(1, static_cast<char>(dpiStageCountByte(context.dpiStageCount)));
    for (int stage = 0; stage < kDpiStageCount; ++stage) {
        const DpiStageBlock block = encodeDpiStageBlock(config.profiles[config.ProfileID], stage, context);
        dpi += bytesOf(block.data(), kDpiStageBlockSize);
    }
    holds(CommandCode::DpiSection, dpi);

    ConfigRecord copy = config;
    MacroSlotMap slotsUsed;
    const ButtonImage buttons = encodeButtonImage(copy, context, slotsUsed);
    holds(CommandCode::ButtonSection, bytesOf(buttons.data(), kButtonImageSize));

    const LightingTable lighting = encodeLightingTable(config.profiles[config.ProfileID]);
    holds(CommandCode::LightingSection, bytesOf(lighting.data(), kLightingTableSize));

    const QByteArray macros = mouse.section(CommandCode::MacroSection);
    for (auto it = slotsUsed.cbegin(); it != slotsUsed.cend(); ++it) {
        const MacroSlot slot = encodeMacroSlot(loadMacro(it.key()));
        QVERIFY2(macros.mid(kMacroSlotSize * it.value(), kMacroSlotSize) == bytesOf(slot.data(), kMacroSlotSize),
                 qPrintable(when + QStringLiteral(", macro ") + it.key()));
    }
}

void TestUploadStress::manyUploadsWithFaultsLeaveTheLastGoodConfiguration()
{
    UploadSandbox sandbox;
    QVERIFY(sandbox.isValid());
    for (int m = 0; m < kMacroNames.size(); ++m) {
        MacroFile macro;
        for (int e = 0; e <= 6 * m; ++e) {
            macro.events.append({ MacroKind::KeyPress, static_cast<quint8>(4 + e), 0 });
        }
        QCOMPARE(saveMacro(kMacroNames.at(m), macro), MacroResult::Ok);
    }
    // Timeouts return at once so that hundreds of them fit into the run; they still count.
    sandbox.mouse().setFastTimeouts(true);
    BatteryMonitor monitor;
    monitor.startMonitor();

    ConfigRecord working = UploadSandbox::configuration();
    working.profiles[0].buttons[0].Fun = FunctionCode::Macro; // slot 0 always holds a macro
    working.profiles[0].buttons[0].macroname = kMacroNames.first();
    ConfigRecord lastUploaded = working;
    setPendingUploadFlag(1);
    QRandomGenerator random(20261208);

    const int uploads = uploadCount();
    int successes = 0;
    int failures = 0;
    ConfigRecord lastGood;
    for (int i = 0; i < uploads; ++i) {
        editConfiguration(working, random);
        const QString fault = injectFault(sandbox.mouse(), random);
        const ProcessOutcome outcome = runProcessThread(working, lastUploaded, &monitor);
        const QString when = QStringLiteral("upload %1 (%2, result %3)").arg(i).arg(fault).arg(outcome.result);
        QCOMPARE(outcome.dialogSignals, 1);
        QCOMPARE(pendingUploadFlag(), outcome.result == 0 ? 0 : 1);
        QVERIFY2(monitor.hasThread(), qPrintable(when)); // watching again after success and failure alike
        QVERIFY2(!sandbox.mouse().isUploadOpen() || outcome.result != 0, qPrintable(when));
        if (outcome.result == 0) {
            ++successes;
            lastGood = working;
            verifyMouseHolds(sandbox, lastGood, when);
            if (QTest::currentTestFailed()) {
                return;
            }
        } else {
            ++failures;
        }
        // Faults the upload did not consume must not spill into the next run.
        sandbox.mouse().failNextReads(0);
        sandbox.mouse().zeroNextEchoes(0);
        sandbox.mouse().alterNextEchoes(0, 0);
        sandbox.mouse().answerNextReadsWithMismatch(0, 0);
        sandbox.mouse().failNextWrites(0);
    }
    monitor.stopMonitor();
    qInfo("%d uploads: %d succeeded, %d failed", uploads, successes, failures);
    QVERIFY(successes > 0);
    QVERIFY(failures > 0);
    if (pendingUploadFlag() == 0) {
        verifyMouseHolds(sandbox, lastGood, QStringLiteral("after the run"));
    }
    QCOMPARE(sandbox.mouse().rejectedReports(), 0);
}

QTEST_GUILESS_MAIN(TestUploadStress)
#include "test_upload_stress.moc"
