#include "app/mousecfg_widget.h"
#include "app/osd_link.h"
#include "controls/theme.h"
#include "osd_companion_process.h"
#include "screens_directory.h"
#include "sim/control_panel.h"
#include "window_sandbox.h"

#include <QGuiApplication>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

// The on-screen display as a user sees it: the real companion over the window, after the demo
// panel's DPI button, on a real X server.
class TestOsdScreen : public QObject
{
    Q_OBJECT

private slots:
    void dpiButtonShowsTheOverlayOverTheWindow();
};

namespace {

// The companion's overlay as the X server has it mapped: its geometry, empty while not shown.
QRect visibleOverlay()
{
    QProcess search;
    search.start(QStringLiteral("xdotool"), { QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                              QStringLiteral("--name"), QStringLiteral("^KRMX Wireless Mouse OSD$") });
    if (!search.waitForFinished(5000) || search.exitCode() != 0)
        return QRect();
    const QByteArray id = search.readAllStandardOutput().split('\n').value(0).trimmed();
    QProcess geometry;
    geometry.start(QStringLiteral("xdotool"),
                   { QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), QString::fromLatin1(id) });
    if (id.isEmpty() || !geometry.waitForFinished(5000) || geometry.exitCode() != 0)
        return QRect();
    QMap<QByteArray, int> values;
    for (const QByteArray& line : geometry.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> pair = line.split('=');
        if (pair.size() == 2)
            values.insert(pair.at(0), pair.at(1).toInt());
    }
    return QRect(values.value("X"), values.value("Y"), values.value("WIDTH"), values.value("HEIGHT"));
}

// How many pixels of the rectangle on screen are drawn in the colour.
int pixelsInColour(const QRect& area, const QColor& colour)
{
    const QImage shot = QGuiApplication::primaryScreen()
                            ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
                            .toImage()
                            .convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            const QColor pixel = shot.pixelColor(x, y);
            if (qAbs(pixel.red() - colour.red()) < 24 && qAbs(pixel.green() - colour.green()) < 24 &&
                qAbs(pixel.blue() - colour.blue()) < 24)
                ++count;
        }
    }
    return count;
}

} // namespace

void TestOsdScreen::dpiButtonShowsTheOverlayOverTheWindow()
{
    QTemporaryDir runtime;
    QVERIFY(runtime.isValid());
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    WindowSandbox sandbox;
    QVERIFY(sandbox.isValid());
    // The window starts the companion from its application directory, as an installation has it.
    QVERIFY(QFile::link(builtOsdProgram(), sandbox.appPath() + QStringLiteral("/OSD")));
    sandbox.mouse().plug(MouseLink::Receiver);
    auto window = sandbox.makeWindow();
    window->move(20, 20);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    VirtualMousePanel panel(sandbox.mouse());
    panel.move(window->geometry().right() + 12, 20);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QTRY_COMPARE(window->batteryPercentShown(), 70);

    // The window takes the mouse's state first, so that the press changes the stage only.
    VirtualMouse& mouse = sandbox.mouse();
    window->slotRefreshStatus(quint8(mouse.activeProfile()), quint8(mouse.dpiStage()), quint8(mouse.rateCode()), 0);
    QTRY_VERIFY_WITH_TIMEOUT(window->osdLink()->waitingCount() == 0, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(visibleOverlay().isEmpty(), 5000);

    QSignalSpy delivered(window->osdLink(), &OsdLink::delivered);
    QPushButton* dpiButton = nullptr;
    for (QPushButton* button : panel.findChildren<QPushButton*>())
        if (button->accessibleName() == QLatin1String("DPI button"))
            dpiButton = button;
    QVERIFY(dpiButton);
    QTest::mouseClick(dpiButton, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!delivered.isEmpty(), 10000);
    QCOMPARE(delivered.first().at(0).toBool(), true);

    QRect overlay;
    QTRY_VERIFY_WITH_TIMEOUT(!(overlay = visibleOverlay()).isEmpty(), 5000);
    QVERIFY(window->frameGeometry().intersects(overlay));
    // Drawn: the text in the theme colour is on screen.
    QTRY_VERIFY_WITH_TIMEOUT(pixelsInColour(overlay, themeColour()) > 100, 5000);
    const QString file = screensDirectory() + QStringLiteral("/osd-over-window.png");
    QVERIFY(QGuiApplication::primaryScreen()->grabWindow(0).save(file));

    // It goes after its display time.
    QTRY_VERIFY_WITH_TIMEOUT(visibleOverlay().isEmpty(), 5000);
    stopRunningOsd();
}

QTEST_MAIN(TestOsdScreen)
#include "test_osd_screen.moc"
