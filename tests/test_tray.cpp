// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup_probe.h"
#include "app/window_layout.h"
#include "private_session_bus.h"
#include "private_x_session.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>

// clang-format off
// Xlib's macros (None, Status, KeyPress) must come after every Qt header.
#include "x11_keys.h"
#include "x11_properties.h"
// clang-format on

// The real program on an X desktop of the test's own (Xvfb, openbox, with or without trayer):
// whatever puts the window away, the user gets it back, and quitting is quick.

namespace {

constexpr int kStartTimeoutMs = 30000;
constexpr int kReactionTimeoutMs = 10000;
// What the user waits for after Quit; the program takes about a tenth of it.
constexpr qint64 kQuitBoundMs = 500;
constexpr int kLeftButton = 1;
constexpr int kRightButton = 3;
constexpr long kNormalState = 1; // WM_STATE values of ICCCM
constexpr long kIconicState = 3;

// Windows come and go under our feet (a menu closes, the program ends): no X error may end the test.
int ignoreXErrors(Display*, XErrorEvent*)
{
    return 0;
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

// The windows the window manager manages: what a task bar lists.
QVector<unsigned long> managedWindows(Display* display)
{
    return cardinals(display, XDefaultRootWindow(display), "_NET_CLIENT_LIST", XA_WINDOW);
}

// The program's main window among the managed ones: the only one of its size (at scale 1.0).
Window mainWindowOf(Display* display, qint64 pid)
{
    for (const unsigned long window : managedWindows(display)) {
        XWindowAttributes attributes{};
        if (windowPid(display, window) == pid && XGetWindowAttributes(display, window, &attributes) &&
            attributes.width == WindowLayout::kWidth && attributes.height == WindowLayout::kHeight)
            return window;
    }
    return 0;
}

long wmState(Display* display, Window window)
{
    const QVector<unsigned long> state =
        cardinals(display, window, "WM_STATE", XInternAtom(display, "WM_STATE", False));
    return state.isEmpty() ? 0 : static_cast<long>(state.first());
}

bool shownNormally(Display* display, Window window)
{
    const QVector<unsigned long> states = cardinals(display, window, "_NET_WM_STATE", XA_ATOM);
    return wmState(display, window) == kNormalState && isViewable(display, window) &&
           !states.contains(XInternAtom(display, "_NET_WM_STATE_HIDDEN", False));
}

// Minimised: iconic, and still managed, so the task bar offers it.
bool minimised(Display* display, Window window)
{
    return wmState(display, window) == kIconicState && !isViewable(display, window) &&
           managedWindows(display).contains(window);
}

bool hidden(Display* display, Window window)
{
    return !isViewable(display, window) && wmState(display, window) != kIconicState;
}

// The first viewable window of pid inside the windows of the tray's process: the docked icon.
Window iconIn(Display* display, Window window, qint64 trayPid, qint64 pid, bool insideTray)
{
    insideTray = insideTray || windowPid(display, window) == trayPid;
    if (insideTray && windowPid(display, window) == pid && isViewable(display, window))
        return window;
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, window, &root, &parent, &children, &count))
        return 0;
    Window found = 0;
    for (unsigned int i = 0; i < count && !found; ++i)
        found = iconIn(display, children[i], trayPid, pid, insideTray);
    if (children)
        XFree(children);
    return found;
}

QPoint onScreen(Display* display, Window window, const QPoint& local)
{
    int x = 0;
    int y = 0;
    Window child = 0;
    XTranslateCoordinates(display, window, XDefaultRootWindow(display), local.x(), local.y(), &x, &y, &child);
    return { x, y };
}

QPoint centreOf(Display* display, Window window)
{
    XWindowAttributes attributes{};
    XGetWindowAttributes(display, window, &attributes);
    return onScreen(display, window, { attributes.width / 2, attributes.height / 2 });
}

// The server takes the test extension's motion before the button that follows it. (Waiting for
// the pointer to move, --sync, would wait out a timeout when it is there already.)
bool clickAt(const QPoint& at, int button)
{
    return xdotool({ QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
                     QStringLiteral("click"), QString::number(button) });
}

// Raises the window over the demo panel and gives it the focus, as a task bar entry does.
bool activate(Window window)
{
    return xdotool({ QStringLiteral("windowactivate"), QStringLiteral("--sync"), QString::number(window) });
}

// Clicks one of the window's controls, given by its design rectangle.
bool clickControl(Display* display, Window window, const QRect& design)
{
    return activate(window) && clickAt(onScreen(display, window, design.center()), kLeftButton);
}

bool isPopupMenu(Display* display, Window window)
{
    const QVector<unsigned long> types = cardinals(display, window, "_NET_WM_WINDOW_TYPE", XA_ATOM);
    return types.contains(XInternAtom(display, "_NET_WM_WINDOW_TYPE_POPUP_MENU", False)) ||
           types.contains(XInternAtom(display, "_NET_WM_WINDOW_TYPE_DROPDOWN_MENU", False));
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

    ~MenuWatch() { XSelectInput(m_display, XDefaultRootWindow(m_display), NoEventMask); }

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

// The program on the virtual mouse, its output read line by line as it arrives.
class Program final
{
public:
    // busAddress: the session bus the program is on, none when empty.
    explicit Program(const QTemporaryDir& dir, const QString& busAddress = QString())
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.path());
        // Without a tray host on the bus (or without a bus) the toolkit docks its icon through
        // XEmbed. An address that leads nowhere, rather than none, also keeps libdbus from
        // autolaunching a bus we would not own.
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                           busAddress.isEmpty()
                               ? QStringLiteral("unix:path=") + dir.filePath(QStringLiteral("no-session-bus"))
                               : busAddress);
        environment.insert(QLatin1String(kStartupProbeVariable), QStringLiteral("1"));
        // The controls are clicked where the layout puts them at 1.0.
        environment.insert(QStringLiteral("MOUSECFG_SCALE_FACTOR"), QStringLiteral("1"));
        process.setProcessEnvironment(environment);
        process.start(
            QCoreApplication::applicationDirPath() + QStringLiteral("/mousecfg"),
            { QStringLiteral("--simulate"), QStringLiteral("--config-dir"), dir.filePath(QStringLiteral("Configs")) });
    }

    ~Program()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
        }
    }

    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    qint64 pid() const { return process.processId(); }
    bool hasStopped() const { return process.state() == QProcess::NotRunning; }
    QByteArray errors() { return process.readAllStandardError(); }

    bool hasPainted()
    {
        while (process.canReadLine())
            if (QString::fromUtf8(process.readLine()).startsWith(QLatin1String(kFirstPaintLine)))
                m_painted = true;
        return m_painted;
    }

    // How long the program took to end after action, or -1 when it did not end.
    qint64 millisecondsToEndAfter(const std::function<bool()>& action)
    {
        QElapsedTimer since;
        since.start();
        if (!action() || !process.waitForFinished(kReactionTimeoutMs))
            return -1;
        const qint64 took = since.elapsed();
        qInfo("the program ended %lld ms after the command", static_cast<long long>(took));
        return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0 ? took : -1;
    }

    QProcess process;

private:
    bool m_painted = false;
};

// The shown main window of a program that has painted, or 0. The demo panel follows the first
// paint and moves the window beside it: only once the panel is there does the window stay put.
Window waitForMainWindow(Display* display, Program& program)
{
    if (!QTest::qWaitFor([&] { return program.hasPainted() || program.hasStopped(); }, kStartTimeoutMs))
        return 0;
    Window window = 0;
    const auto panelShown = [&] {
        for (const unsigned long other : managedWindows(display))
            if (other != window && windowPid(display, other) == program.pid() && isViewable(display, other))
                return true;
        return false;
    };
    const bool shown = QTest::qWaitFor(
        [&] {
            window = mainWindowOf(display, program.pid());
            return (window && shownNormally(display, window) && panelShown()) || program.hasStopped();
        },
        kStartTimeoutMs);
    return shown && !program.hasStopped() ? window : 0;
}

// Opens the tray icon's menu with the pointer.
bool openTrayMenu(Display* display, Window icon, qint64 pid)
{
    MenuWatch menus(display);
    if (!clickAt(centreOf(display, icon), kRightButton))
        return false;
    return QTest::qWaitFor([&] { return menus.menuOf(pid); }, kReactionTimeoutMs);
}

// The program on an X desktop of its own (openbox, and trayer when asked for).
// Whether the process has loaded the toolkit's GL integration and with it a GL driver (the
// toolkit's own library links the GL dispatch library, which costs little).
bool mapsGlStack(qint64 pid)
{
    QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
    if (!maps.open(QIODevice::ReadOnly))
        return true;
    const QByteArray text = maps.readAll();
    return text.contains("/xcbglintegrations/") || text.contains("/dri/") || text.contains("/libLLVM");
}

class Desktop final
{
public:
    explicit Desktop(int parts, const QString& busAddress = QString())
        : session(parts)
        , m_parts(parts)
        , m_busAddress(busAddress)
    {
    }

    // Starts the program and waits for its window, and with a tray for its icon; problem() says
    // why not.
    bool start()
    {
        if (!session.isValid())
            return fail(session.errorString());
        if (!x.display || !dir.isValid())
            return fail(QStringLiteral("no connection to the display or no temporary folder"));
        program = std::make_unique<Program>(dir, m_busAddress);
        window = waitForMainWindow(x.display, *program);
        if (!window)
            return fail(QStringLiteral("the window did not show: ") + QString::fromLocal8Bit(program->errors()));
        if (!(m_parts & PrivateXSession::Tray))
            return true;
        const bool docked = QTest::qWaitFor(
            [this] {
                icon = iconIn(x.display, XDefaultRootWindow(x.display), session.trayProcessId(), program->pid(), false);
                return icon != 0;
            },
            kStartTimeoutMs);
        return docked || fail(QStringLiteral("the icon did not dock"));
    }

    QString problem() const { return m_problem; }

    // Whether the window comes to that state; the program's complaints are kept for problem().
    bool becomes(bool (*state)(Display*, Window))
    {
        if (QTest::qWaitFor([this, state] { return state(x.display, window); }, kReactionTimeoutMs))
            return true;
        return fail(QString::fromLocal8Bit(program->errors()));
    }

    bool clickIcon() { return clickAt(centreOf(x.display, icon), kLeftButton); }
    bool openTrayMenu() { return ::openTrayMenu(x.display, icon, program->pid()); }
    // Chooses a tray menu entry by its mnemonic.
    bool chooseFromTrayMenu(const char* mnemonic) { return openTrayMenu() && pressKey(mnemonic); }
    static bool pressKey(const char* key) { return xdotool({ QStringLiteral("key"), QLatin1String(key) }); }

    PrivateXSession session;
    DisplayConnection x;
    QTemporaryDir dir;
    std::unique_ptr<Program> program;
    Window window = 0;
    Window icon = 0;

private:
    bool fail(const QString& problem)
    {
        m_problem = problem;
        return false;
    }

    int m_parts;
    QString m_busAddress;
    QString m_problem;
};

} // namespace

class TestTray : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QString missing = PrivateXSession::missingProgram(PrivateXSession::WindowManager | PrivateXSession::Tray);
        if (!missing.isEmpty())
            QSKIP(qPrintable(QStringLiteral("needs ") + missing));
        if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            QSKIP("needs xdotool");
        XSetErrorHandler(ignoreXErrors);
    }

    void aWindowPutAwayComesBackFromTheTray()
    {
        Desktop desktop(PrivateXSession::WindowManager | PrivateXSession::Tray);
        QVERIFY2(desktop.start(), qPrintable(desktop.problem()));
        Display* x = desktop.x.display;
        // It paints without the GL stack, and still gets the ARGB visual its shaped edges need.
        QVERIFY(!mapsGlStack(desktop.program->pid()));
        XWindowAttributes attributes{};
        QVERIFY(XGetWindowAttributes(x, desktop.window, &attributes));
        QCOMPARE(attributes.depth, 32);

        // Minimised with its own button, a click on the icon restores it.
        QVERIFY(clickControl(x, desktop.window, WindowLayout::MinimiseButton));
        QVERIFY2(desktop.becomes(minimised), qPrintable(desktop.problem()));
        QVERIFY(desktop.clickIcon());
        QVERIFY2(desktop.becomes(shownNormally), qPrintable(desktop.problem()));

        // With a tray, Cancel puts the window there; "&Load Config" brings it back.
        QVERIFY(clickControl(x, desktop.window, WindowLayout::CancelButton));
        QVERIFY2(desktop.becomes(hidden), qPrintable(desktop.problem()));
        QVERIFY(desktop.chooseFromTrayMenu("l"));
        QVERIFY2(desktop.becomes(shownNormally), qPrintable(desktop.problem()));

        // "&Load Config" restores a minimised window too.
        QVERIFY(clickControl(x, desktop.window, WindowLayout::MinimiseButton));
        QVERIFY2(desktop.becomes(minimised), qPrintable(desktop.problem()));
        QVERIFY(desktop.chooseFromTrayMenu("l"));
        QVERIFY2(desktop.becomes(shownNormally), qPrintable(desktop.problem()));

        // A click on the icon of a shown window puts it away, the next one brings it back.
        QVERIFY(desktop.clickIcon());
        QVERIFY2(desktop.becomes(hidden), qPrintable(desktop.problem()));
        QVERIFY(desktop.clickIcon());
        QVERIFY2(desktop.becomes(shownNormally), qPrintable(desktop.problem()));
    }

    void aSecondStartBringsTheHiddenWindowBack()
    {
        PrivateSessionBus bus;
        QVERIFY2(bus.isValid(), qPrintable(bus.errorString()));
        Desktop desktop(PrivateXSession::WindowManager | PrivateXSession::Tray, bus.address());
        QVERIFY2(desktop.start(), qPrintable(desktop.problem()));
        QVERIFY(clickControl(desktop.x.display, desktop.window, WindowLayout::CancelButton));
        QVERIFY2(desktop.becomes(hidden), qPrintable(desktop.problem()));

        // Started again from the menu: the copy that runs comes back, the second one ends with 1.
        Program second(desktop.dir, bus.address());
        QVERIFY(second.process.waitForFinished(kReactionTimeoutMs));
        QCOMPARE(second.process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.process.exitCode(), 1);
        QVERIFY2(desktop.becomes(shownNormally), qPrintable(desktop.problem()));
        QVERIFY(!desktop.program->hasStopped());
    }

    void quitFromTheTrayMenuEndsTheProgramAtOnce()
    {
        Desktop desktop(PrivateXSession::WindowManager | PrivateXSession::Tray);
        QVERIFY2(desktop.start(), qPrintable(desktop.problem()));
        QVERIFY(desktop.openTrayMenu());
        const qint64 took = desktop.program->millisecondsToEndAfter([] { return Desktop::pressKey("q"); });
        QVERIFY2(took >= 0 && took < kQuitBoundMs, qPrintable(QStringLiteral("%1 ms").arg(took)));
    }

    void withoutATrayOkAndCancelMinimiseAndCloseQuits_data()
    {
        QTest::addColumn<QRect>("command");
        QTest::newRow("Cancel") << WindowLayout::CancelButton;
        QTest::newRow("OK") << WindowLayout::OkButton;
    }

    void withoutATrayOkAndCancelMinimiseAndCloseQuits()
    {
        QFETCH(QRect, command);
        Desktop desktop(PrivateXSession::WindowManager);
        QVERIFY2(desktop.start(), qPrintable(desktop.problem()));
        Display* x = desktop.x.display;

        // The window stays in the task bar, from where it comes back. (Restored by the window
        // manager, the toolkit learns of it a little later: the program ends next, so that the
        // test never acts on a window state the program has not caught up with.)
        QVERIFY(clickControl(x, desktop.window, command));
        QVERIFY2(desktop.becomes(minimised), qPrintable(desktop.problem()));
        QVERIFY(activate(desktop.window));
        QVERIFY2(desktop.becomes(shownNormally), qPrintable(desktop.problem()));

        // Closing the window ends the program: nothing would bring a hidden one back.
        const QPoint close = onScreen(x, desktop.window, WindowLayout::CloseButton.center());
        const qint64 took = desktop.program->millisecondsToEndAfter([close] { return clickAt(close, kLeftButton); });
        QVERIFY2(took >= 0 && took < kQuitBoundMs, qPrintable(QStringLiteral("%1 ms").arg(took)));
    }
};

QTEST_GUILESS_MAIN(TestTray)
#include "test_tray.moc"
