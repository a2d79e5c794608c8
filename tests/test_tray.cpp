#include "app/startup_probe.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

constexpr int kStartTimeoutMs = 30000;
constexpr int kReactionTimeoutMs = 10000;
constexpr unsigned int kRightButton = 3;
constexpr int kTrayHostFoundATray = 2; // tray_host's exit code when the display has a tray already

// A child whose standard output is read line by line as it arrives.
class ReportingProcess final
{
public:
    QProcess process;

    bool hasLine(const QString& line) { return lines().contains(line); }

    // The first line starting with prefix, without it; empty when there is none yet.
    QString lineAfter(const QString& prefix)
    {
        for (const QString& line : lines()) {
            if (line.startsWith(prefix))
                return line.mid(prefix.size());
        }
        return {};
    }

    bool hasStopped() const { return process.state() == QProcess::NotRunning; }

    QByteArray errors() { return process.readAllStandardError(); }

    ~ReportingProcess()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
        }
    }

private:
    const QStringList& lines()
    {
        while (process.canReadLine())
            m_lines << QString::fromUtf8(process.readLine()).trimmed();
        return m_lines;
    }

    QStringList m_lines;
};

// Windows come and go under our feet (the program ends, a menu closes): no X error may end the test.
int ignoreXErrors(Display*, XErrorEvent*)
{
    return 0;
}

struct DisplayConnection
{
    Display* display = XOpenDisplay(nullptr);
    ~DisplayConnection()
    {
        if (display)
            XCloseDisplay(display);
    }
};

QVector<unsigned long> cardinals(Display* display, Window window, const char* property, Atom type)
{
    Atom actualType = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    QVector<unsigned long> values;
    if (XGetWindowProperty(display, window, XInternAtom(display, property, False), 0, 32, False, type, &actualType,
                           &format, &count, &remaining, &data) == Success &&
        data) {
        if (format == 32) {
            const auto* items = reinterpret_cast<const unsigned long*>(data);
            values = QVector<unsigned long>(items, items + count);
        }
        XFree(data);
    }
    return values;
}

qint64 windowPid(Display* display, Window window)
{
    const QVector<unsigned long> pid = cardinals(display, window, "_NET_WM_PID", XA_CARDINAL);
    return pid.isEmpty() ? -1 : static_cast<qint64>(pid.first());
}

bool isViewable(Display* display, Window window)
{
    XWindowAttributes attributes{};
    return XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable;
}

bool isPopupMenu(Display* display, Window window)
{
    const QVector<unsigned long> types = cardinals(display, window, "_NET_WM_WINDOW_TYPE", XA_ATOM);
    return types.contains(XInternAtom(display, "_NET_WM_WINDOW_TYPE_POPUP_MENU", False)) ||
           types.contains(XInternAtom(display, "_NET_WM_WINDOW_TYPE_DROPDOWN_MENU", False));
}

Window parentOf(Display* display, Window window)
{
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, window, &root, &parent, &children, &count))
        return 0;
    if (children)
        XFree(children);
    return parent;
}

QPoint centreOnScreen(Display* display, Window window)
{
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(display, window, &attributes))
        return {};
    int x = 0;
    int y = 0;
    Window child = 0;
    XTranslateCoordinates(display, window, XDefaultRootWindow(display), attributes.width / 2, attributes.height / 2, &x,
                          &y, &child);
    return { x, y };
}

// Watches the root window for newly mapped top-level windows and keeps the popup menus among them.
class MenuWatch final
{
public:
    explicit MenuWatch(Display* display)
        : m_display(display)
    {
        XSelectInput(m_display, XDefaultRootWindow(m_display), SubstructureNotifyMask);
        XSync(m_display, False);
    }

    bool menuOf(qint64 pid)
    {
        while (XPending(m_display)) {
            XEvent event;
            XNextEvent(m_display, &event);
            if (event.type == MapNotify && isPopupMenu(m_display, event.xmap.window) &&
                windowPid(m_display, event.xmap.window) == pid)
                m_menuSeen = true;
        }
        return m_menuSeen;
    }

private:
    Display* m_display;
    bool m_menuSeen = false;
};

void click(Display* display, const QPoint& at, unsigned int button)
{
    XTestFakeMotionEvent(display, XDefaultScreen(display), at.x(), at.y(), CurrentTime);
    XTestFakeButtonEvent(display, button, True, CurrentTime);
    XTestFakeButtonEvent(display, button, False, CurrentTime);
    XFlush(display);
}

void pressKey(Display* display, KeySym key)
{
    const KeyCode code = XKeysymToKeycode(display, key);
    XTestFakeKeyEvent(display, code, True, CurrentTime);
    XTestFakeKeyEvent(display, code, False, CurrentTime);
    XFlush(display);
}

} // namespace

class TestTray : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("needs an X server");
        XSetErrorHandler(ignoreXErrors);
    }

    void quitFromTheTrayMenuEndsTheProgram()
    {
        DisplayConnection x;
        QVERIFY(x.display);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("tmp")));

        ReportingProcess host;
        host.process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/tray_host"), QStringList{});
        QTRY_VERIFY_WITH_TIMEOUT(host.hasLine(QStringLiteral("ready")) || host.hasStopped(), kStartTimeoutMs);
        if (host.hasStopped() && host.process.exitCode() == kTrayHostFoundATray)
            QSKIP("this display has a system tray of its own, which would take the icon");
        QVERIFY2(host.hasLine(QStringLiteral("ready")), host.errors().constData());

        ReportingProcess mousecfg;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("TMPDIR"), dir.filePath(QStringLiteral("tmp")));
        // Without a session bus the toolkit docks its icon through XEmbed. An address that leads
        // nowhere, rather than none, also keeps libdbus from autolaunching a bus we would not own.
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                           QStringLiteral("unix:path=") + dir.filePath(QStringLiteral("no-session-bus")));
        // The demo panel opens right after the window's first paint; the menu must not open
        // before it, or the panel's arrival would close the menu again.
        environment.insert(QLatin1String(kStartupProbeVariable), QStringLiteral("1"));
        mousecfg.process.setProcessEnvironment(environment);
        mousecfg.process.start(
            QCoreApplication::applicationDirPath() + QStringLiteral("/mousecfg"),
            { QStringLiteral("--simulate"), QStringLiteral("--config-dir"), dir.filePath(QStringLiteral("Configs")) });

        QTRY_VERIFY_WITH_TIMEOUT(!mousecfg.lineAfter(QLatin1String(kFirstPaintLine) + QLatin1Char(' ')).isEmpty() ||
                                     mousecfg.hasStopped(),
                                 kStartTimeoutMs);
        const QString dockedPrefix = QStringLiteral("docked ");
        QTRY_VERIFY_WITH_TIMEOUT(!host.lineAfter(dockedPrefix).isEmpty() || mousecfg.hasStopped(), kStartTimeoutMs);
        const QString iconId = host.lineAfter(dockedPrefix);
        QVERIFY2(!iconId.isEmpty(), mousecfg.errors().constData());
        bool parsed = false;
        const Window icon = iconId.toULong(&parsed, 0);
        QVERIFY(parsed);
        QCOMPARE(windowPid(x.display, icon), mousecfg.process.processId());
        QTRY_VERIFY_WITH_TIMEOUT(isViewable(x.display, icon), kReactionTimeoutMs);

        // A desktop keeps its panel above the windows; without a window manager we do.
        XRaiseWindow(x.display, parentOf(x.display, icon));
        MenuWatch menus(x.display);
        click(x.display, centreOnScreen(x.display, icon), kRightButton);
        QTRY_VERIFY_WITH_TIMEOUT(menus.menuOf(mousecfg.process.processId()), kReactionTimeoutMs);

        pressKey(x.display, XK_q); // the mnemonic of "&Quit"
        QTRY_VERIFY_WITH_TIMEOUT(mousecfg.hasStopped(), kReactionTimeoutMs);
        QCOMPARE(mousecfg.process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(mousecfg.process.exitCode(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(host.hasLine(QStringLiteral("undocked ") + iconId), kReactionTimeoutMs);
    }
};

QTEST_GUILESS_MAIN(TestTray)
#include "test_tray.moc"
