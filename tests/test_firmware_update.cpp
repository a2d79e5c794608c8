#include "app/mousecfg_widget.h"
#include "controls/message_box.h"
#include "controls/push_button.h"
#include "screens_directory.h"
#include "storage/languages.h"
#include "window_sandbox.h"

#include <QDir>
#include <QFile>
#include <QToolButton>
#include <QtTest>

// The "Firmware Update" button: which updater starts, and when the program hands over to it.
class TestFirmwareUpdate : public QObject
{
    Q_OBJECT

private slots:
    void receiverOnlyAsksForTheCable();
    void cableStartsTheUpdaterOfTheLanguage_data();
    void cableStartsTheUpdaterOfTheLanguage();
    void refusedQuestionStartsNothing();
    void missingUpdaterKeepsTheProgramRunning();
};

namespace {

// The sandbox's skin is the build's, linked; the updaters need a folder of their own inside it.
bool giveSandboxUpdaters(const WindowSandbox& sandbox, const QString& marker)
{
    const QString app = sandbox.appPath();
    const QString built = QFile::symLinkTarget(app + QStringLiteral("/skin"));
    if (built.isEmpty() || !QFile::remove(app + QStringLiteral("/skin")))
        return false;
    QDir dir;
    if (!dir.mkpath(app + QStringLiteral("/skin/mouse/bin")))
        return false;
    for (const QFileInfo& entry : QDir(built).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        if (entry.fileName() != QLatin1String("mouse"))
            QFile::link(entry.absoluteFilePath(), app + QStringLiteral("/skin/") + entry.fileName());
    }
    for (const QFileInfo& entry :
         QDir(built + QStringLiteral("/mouse")).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot))
        QFile::link(entry.absoluteFilePath(), app + QStringLiteral("/skin/mouse/") + entry.fileName());
    for (const QString& name : { QStringLiteral("FWUPDATE-en"), QStringLiteral("FWUPDATE") }) {
        QFile script(app + QStringLiteral("/skin/mouse/bin/") + name);
        if (!script.open(QIODevice::WriteOnly))
            return false;
        script.write(QStringLiteral("#!/bin/sh\necho \"%1 $#\" > '%2'\n").arg(name, marker).toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    return true;
}

TarqPushButton* firmwareButton(const MousecfgWidget& window)
{
    return buttonNamed(&window, QStringLiteral("Firmware Update"));
}

void answerVisibleBox(bool yes)
{
    TarqMessageBox* box = visibleMessageBox();
    QVERIFY(box);
    box->findChild<QToolButton*>(yes ? QStringLiteral("msgBoxYesBtn") : QStringLiteral("msgBoxNoBtn"))->click();
}

// A window on a virtual mouse plugged in through link, with stand-in updaters in its application
// directory unless told otherwise, and the program's exit requests recorded.
struct UpdaterScene
{
    UpdaterScene(MouseLink link, bool withUpdaters)
    {
        marker = sandbox.appPath() + QStringLiteral("/updater-ran");
        ready = sandbox.isValid() && (!withUpdaters || giveSandboxUpdaters(sandbox, marker));
        if (!ready)
            return;
        sandbox.mouse().plug(link);
        window = sandbox.makeWindow();
        exits = std::make_unique<QSignalSpy>(window.get(), &MousecfgWidget::exitRequested);
    }

    WindowSandbox sandbox;
    QString marker;
    bool ready = false;
    std::unique_ptr<MousecfgWidget> window;
    std::unique_ptr<QSignalSpy> exits;
};

} // namespace

void TestFirmwareUpdate::receiverOnlyAsksForTheCable()
{
    UpdaterScene scene(MouseLink::Receiver, true);
    QVERIFY(scene.ready);
    TarqPushButton* button = firmwareButton(*scene.window);
    QVERIFY(button);
    QVERIFY(button->isEnabled());

    QTest::mousePress(button, Qt::LeftButton);
    QTRY_VERIFY(visibleMessageBox());
    QVERIFY(messageBoxText(visibleMessageBox())
                .contains(QStringLiteral("To update the firmware, please connect to the computer with a cable.")));
    QTest::mouseRelease(button, Qt::LeftButton);
    answerVisibleBox(true);
    QTRY_VERIFY(!visibleMessageBox());
    QCOMPARE(scene.exits->count(), 0);
    QVERIFY(!QFile::exists(scene.marker));
    QVERIFY(!button->isChecked());
}

void TestFirmwareUpdate::cableStartsTheUpdaterOfTheLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("updater");
    QTest::newRow("English") << 0 << "FWUPDATE-en";
    QTest::newRow("another language") << 1 << "FWUPDATE";
}

void TestFirmwareUpdate::cableStartsTheUpdaterOfTheLanguage()
{
    QFETCH(int, language);
    QFETCH(QString, updater);
    UpdaterScene scene(MouseLink::Cable, true);
    QVERIFY(scene.ready);
    setCurrentLanguageIndex(language);
    QTRY_VERIFY(scene.window->batteryThreadRunning());

    QTest::mousePress(firmwareButton(*scene.window), Qt::LeftButton);
    QTRY_VERIFY(visibleMessageBox());
    QVERIFY(messageBoxText(visibleMessageBox()).contains(QStringLiteral("Do you want to upgrade the firmware?")));
    answerVisibleBox(true);
    QTRY_COMPARE(scene.exits->count(), 1);
    QCOMPARE(scene.exits->first().at(0).toInt(), 0);
    QVERIFY(!scene.window->batteryThreadRunning());
    // The updater ran, without arguments.
    QTRY_VERIFY(QFile::exists(scene.marker) && QFile(scene.marker).size() > 0);
    QFile ran(scene.marker);
    QVERIFY(ran.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(ran.readAll()).trimmed(), updater + QStringLiteral(" 0"));
    setCurrentLanguageIndex(0);
}

void TestFirmwareUpdate::refusedQuestionStartsNothing()
{
    UpdaterScene scene(MouseLink::Cable, true);
    QVERIFY(scene.ready);
    QTest::mousePress(firmwareButton(*scene.window), Qt::LeftButton);
    QTRY_VERIFY(visibleMessageBox());
    answerVisibleBox(false);
    QTRY_VERIFY(!visibleMessageBox());
    QCOMPARE(scene.exits->count(), 0);
    QVERIFY(!QFile::exists(scene.marker));
}

void TestFirmwareUpdate::missingUpdaterKeepsTheProgramRunning()
{
    UpdaterScene scene(MouseLink::Cable, false);
    QVERIFY(scene.ready);
    setCurrentLanguageIndex(0);
    QTRY_VERIFY(scene.window->batteryThreadRunning());

    QTest::mousePress(firmwareButton(*scene.window), Qt::LeftButton);
    QTRY_VERIFY(visibleMessageBox());
    answerVisibleBox(true);
    QTRY_VERIFY(visibleMessageBox());
    const QString text = messageBoxText(visibleMessageBox());
    QVERIFY2(text.contains(QStringLiteral("The firmware updater")) && text.contains(QStringLiteral("FWUPDATE-en")) &&
                 text.contains(QStringLiteral("is missing")),
             qPrintable(text));
    // A long path must stay inside the box: looked at in the screens folder.
    QVERIFY(visibleMessageBox()->grab().save(screensDirectory() + QStringLiteral("/firmware-missing-1.0-en.png")));
    answerVisibleBox(true);
    QCOMPARE(scene.exits->count(), 0);
    QVERIFY(scene.window->batteryThreadRunning());
    QVERIFY(scene.window->isEnabled());
}

QTEST_MAIN(TestFirmwareUpdate)
#include "test_firmware_update.moc"
