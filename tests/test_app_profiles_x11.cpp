// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/app_profile_follower.h"
#include "app/app_profiles_dialog.h"
#include "app/mousecfg_widget.h"
#include "controls/labels_menus.h"
#include "controls/message_box.h"
#include "controls/push_button.h"
#include "platform/active_window_source.h"
#include "private_x_session.h"
#include "storage/app_config.h"
#include "storage/app_profile_rules.h"
#include "switch_writes.h"
#include "window_sandbox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <algorithm>
#include <memory>
#include <unistd.h>

// clang-format off
// Xlib's macros (None, Status, KeyPress) must come after every Qt header.
#include "x11_properties.h"
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
// clang-format on

// The window on a desktop of the test's own (Xvfb and openbox, which keeps _NET_ACTIVE_WINDOW),
// beside X clients of other applications: bringing one to the front switches the virtual mouse.

namespace {

const char kOwnDesktopVariable[] = "MOUSECFG_TEST_OWN_DESKTOP";
constexpr int kReactionTimeoutMs = 10000;
// A window manager on a fresh home builds its font cache before it manages the first windows.
constexpr int kManageTimeoutMs = 30000;
constexpr int kTimedSwitches = 20;

// A top-level window of another application, as the window manager sees it: WM_CLASS, and
// _NET_WM_PID when given.
class Client final
{
public:
    Client(Display* display, const char* instance, const char* className, QPoint at, long pid = 0)
        : m_display(display)
    {
        const Window root = XDefaultRootWindow(display);
        m_window = XCreateSimpleWindow(display, root, at.x(), at.y(), 200, 100, 0, 0, 0xffffff);
        XClassHint hint{ const_cast<char*>(instance), const_cast<char*>(className) };
        XSetClassHint(display, m_window, &hint);
        XStoreName(display, m_window, instance);
        // Where the test put it, so that a click at its centre reaches it.
        XSizeHints size{};
        size.flags = USPosition | USSize;
        size.x = at.x();
        size.y = at.y();
        size.width = 200;
        size.height = 100;
        XSetWMNormalHints(display, m_window, &size);
        if (pid != 0)
            XChangeProperty(display, m_window, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, 32,
                            PropModeReplace, reinterpret_cast<const unsigned char*>(&pid), 1);
        XMapWindow(display, m_window);
        XSync(display, False);
    }

    ~Client()
    {
        XDestroyWindow(m_display, m_window);
        XSync(m_display, False);
    }

    Client(const Client&) = delete;
    Client& operator=(const Client&) = delete;

    Window window() const { return m_window; }

    // Asks for the window to be mapped again while the window manager has not taken it: one that
    // is still starting up drops the requests that came before it was ready.
    bool isManaged() const
    {
        if (cardinals(m_display, XDefaultRootWindow(m_display), "_NET_CLIENT_LIST", XA_WINDOW).contains(m_window))
            return true;
        XMapWindow(m_display, m_window);
        XFlush(m_display);
        return false;
    }

    QPoint centre() const
    {
        int x = 0;
        int y = 0;
        Window child = 0;
        XTranslateCoordinates(m_display, m_window, XDefaultRootWindow(m_display), 100, 50, &x, &y, &child);
        return { x, y };
    }

private:
    Display* m_display;
    Window m_window = 0;
};

// Asks the window manager to bring window to the front, as a task bar does.
void activate(Display* display, unsigned long window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = 2; // from a pager
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, XDefaultRootWindow(display), False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XFlush(display);
}

unsigned long activeWindow(Display* display)
{
    const QVector<unsigned long> active =
        cardinals(display, XDefaultRootWindow(display), "_NET_ACTIVE_WINDOW", XA_WINDOW);
    return active.isEmpty() ? 0 : active.first();
}

void writeRules(const AppProfileSettings& settings)
{
    QCOMPARE(writeAppProfileSettings(settings), StorageResult::Ok);
}

AppProfileSettings gameRules(int gameSlot)
{
    AppProfileSettings settings;
    settings.enabled = true;
    settings.defaultSlot = 1;
    settings.rules = { { QStringLiteral("quake3"), gameSlot },
                       // The executable of the test itself, the process of the tool's window.
                       { QCoreApplication::applicationFilePath().section(QLatin1Char('/'), -1).toLower(), 5 } };
    return settings;
}

TarqAppProfilesDialog* openDialog(MousecfgWidget& window)
{
    window.openApplicationsDialog();
    TarqAppProfilesDialog* dialog = nullptr;
    const bool shown = QTest::qWaitFor(
        [&] {
            dialog = window.findChild<TarqAppProfilesDialog*>();
            return dialog && dialog->isVisible();
        },
        kReactionTimeoutMs);
    return shown ? dialog : nullptr;
}

} // namespace

class TestAppProfilesX11 final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void focusSwitchesToTheRuleSlotAndBackToTheDefault();
    void aSwitchWaitsForTheOpenBox();
    void rulesChangeWithTheDialogsOk();
    void pickingAWindowGivesItsClass();
    void timeFromFocusToSwitch();
    void aServerWithoutAWindowManagerIsNoAnswer();

private:
    // Brings window to the front and waits until the window has looked at it.
    bool focus(unsigned long window);
    // Brings window to the front and waits for the switch to slot (1..5) on the virtual mouse.
    bool focusAndExpectSwitch(unsigned long window, int slot);

    DisplayConnection m_x;
    std::unique_ptr<Client> m_game;
    std::unique_ptr<Client> m_gameMenu;
    std::unique_ptr<Client> m_editor;
    std::unique_ptr<Client> m_tool;
    std::unique_ptr<WindowSandbox> m_sandbox;
    std::unique_ptr<MousecfgWidget> m_window;
};

void TestAppProfilesX11::initTestCase()
{
    QVERIFY(m_x.display);
    // Beside the window (999 × 640, centred on 1280 × 800), so that clicks reach them.
    m_game = std::make_unique<Client>(m_x.display, "quake3", "Quake3Class", QPoint(1060, 20));
    m_gameMenu = std::make_unique<Client>(m_x.display, "quake3", "Quake3Class", QPoint(1060, 140));
    m_editor = std::make_unique<Client>(m_x.display, "editor", "Editor", QPoint(1060, 260));
    m_tool = std::make_unique<Client>(m_x.display, "tool", "Tool", QPoint(1060, 380), long(getpid()));
    const bool managed = QTest::qWaitFor(
        [&] { return m_game->isManaged() && m_gameMenu->isManaged() && m_editor->isManaged() && m_tool->isManaged(); },
        kManageTimeoutMs);
    QVERIFY(managed);
}

void TestAppProfilesX11::init()
{
    m_sandbox = std::make_unique<WindowSandbox>();
    QVERIFY(m_sandbox->isValid());
    writeRules(gameRules(3));
    m_window = shownWindow(*m_sandbox);
    QVERIFY(m_window);
    AppProfileFollower* follower = m_window->applicationFollower();
    QTRY_VERIFY(follower->settings().enabled);
    QVERIFY(follower->desktopTells());
    // Start from the editor, on the default slot. Our window first, and once the window has seen
    // it in front (the window manager may focus a new window late), the editor's focus is a
    // change the window sees.
    activate(m_x.display, m_window->winId());
    QTRY_COMPARE_WITH_TIMEOUT(follower->activeWindow().id, quint64(m_window->winId()), kReactionTimeoutMs);
    QVERIFY(focus(m_editor->window()));
    QTRY_VERIFY(m_window->profileLibrary().currentSlot() == 0 && m_sandbox->mouse().activeProfile() == 0);
}

void TestAppProfilesX11::cleanup()
{
    m_window.reset();
    m_sandbox.reset();
}

bool TestAppProfilesX11::focus(unsigned long window)
{
    QSignalSpy seen(m_window->applicationFollower(), &AppProfileFollower::activeWindowSeen);
    activate(m_x.display, window);
    return QTest::qWaitFor(
        [&] {
            return std::any_of(seen.begin(), seen.end(), [window](const QList<QVariant>& arguments) {
                return arguments.value(0).value<ActiveWindow>().id == window;
            });
        },
        kReactionTimeoutMs);
}

bool TestAppProfilesX11::focusAndExpectSwitch(unsigned long window, int slot)
{
    m_sandbox->mouse().trace().clear();
    QSignalSpy selected(&m_sandbox->mouse(), &VirtualMouse::profileSelected);
    activate(m_x.display, window);
    if (!selected.wait(kReactionTimeoutMs)) {
        qWarning("no switch to slot %d", slot);
        return false;
    }
    // The commits follow the selection; the window shows the slot once it is through.
    const bool shown =
        QTest::qWaitFor([&] { return m_window->profileLibrary().currentSlot() == slot - 1 && !m_window->isSending(); },
                        kReactionTimeoutMs);
    const QStringList writes = switchWrites(m_sandbox->mouse().trace().lines());
    if (!shown || writes != switchToSlot(slot) || m_sandbox->mouse().activeProfile() != slot - 1) {
        qWarning("slot %d: shown %d, writes %s", slot, shown, qPrintable(writes.join(QLatin1String(", "))));
        return false;
    }
    return slotMenuButton(m_window.get())->text() == QStringLiteral("Profile %1").arg(slot);
}

void TestAppProfilesX11::focusSwitchesToTheRuleSlotAndBackToTheDefault()
{
    QVERIFY(focusAndExpectSwitch(m_game->window(), 3));
    QCOMPARE(int(m_window->workingConfiguration().ProfileID), 2);
    QVERIFY(focusAndExpectSwitch(m_editor->window(), 1));
    // By the executable of the window's process.
    QVERIFY(focusAndExpectSwitch(m_tool->window(), 5));
    QVERIFY(focusAndExpectSwitch(m_game->window(), 3));

    // Another window of the same game, and our own window: nothing is sent.
    m_sandbox->mouse().trace().clear();
    QVERIFY(focus(m_gameMenu->window()));
    QVERIFY(focus(m_window->winId()));
    QVERIFY(switchWrites(m_sandbox->mouse().trace().lines()).isEmpty());
    // The user chooses slot 2 in our window; back in the game, the game's slot returns.
    chooseSlot(*m_window, QStringLiteral("Profile 2"));
    QTRY_COMPARE(m_sandbox->mouse().activeProfile(), 1);
    QVERIFY(focusAndExpectSwitch(m_game->window(), 3));
}

void TestAppProfilesX11::aSwitchWaitsForTheOpenBox()
{
    auto* box = new TarqMessageBox(TarqMessageBox::Information, QString(), QStringLiteral("Warning"),
                                   QStringLiteral("Waiting"), m_window.get());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->open();
    QTRY_COMPARE(activeWindow(m_x.display), box->winId());
    m_sandbox->mouse().trace().clear();
    QVERIFY(focus(m_game->window()));
    QVERIFY(m_window->applicationFollower()->hasPendingSwitch());
    QVERIFY(switchWrites(m_sandbox->mouse().trace().lines()).isEmpty());
    QCOMPARE(m_sandbox->mouse().activeProfile(), 0);

    QSignalSpy selected(&m_sandbox->mouse(), &VirtualMouse::profileSelected);
    box->accept();
    QVERIFY(selected.wait(kReactionTimeoutMs));
    QTRY_COMPARE(m_window->profileLibrary().currentSlot(), 2);
    QCOMPARE(switchWrites(m_sandbox->mouse().trace().lines()), switchToSlot(3));
}

void TestAppProfilesX11::rulesChangeWithTheDialogsOk()
{
    // A change to the file alone is not followed yet.
    writeRules(gameRules(4));
    QVERIFY(focusAndExpectSwitch(m_game->window(), 3));
    QVERIFY(focusAndExpectSwitch(m_editor->window(), 1));

    // The dialog's OK, with nothing changed in it, takes the file's rules.
    TarqAppProfilesDialog* dialog = openDialog(*m_window);
    QVERIFY(dialog);
    QCOMPARE(dialog->settings(), gameRules(4));
    dialog->yesButton()->click();
    QTRY_VERIFY(!m_window->findChild<TarqAppProfilesDialog*>());
    QVERIFY(focusAndExpectSwitch(m_game->window(), 4));
    QVERIFY(focusAndExpectSwitch(m_editor->window(), 1));

    // A rule changed in the dialog: the game's slot from its slot menu.
    dialog = openDialog(*m_window);
    QVERIFY(dialog);
    auto* list = dialog->findChild<QListWidget*>();
    QVERIFY(list);
    list->setCurrentRow(0);
    TarqPushButton* slotButton = buttonNamed(dialog, QStringLiteral("Profile"));
    QVERIFY(slotButton && slotButton->menu());
    const QList<QAction*> choices = slotButton->menu()->actions();
    QCOMPARE(choices.size(), 5);
    choices[1]->trigger();
    QCOMPARE(dialog->settings().rules.first().slot, 2);
    dialog->yesButton()->click();
    QTRY_VERIFY(!m_window->findChild<TarqAppProfilesDialog*>());
    QCOMPARE(QSettings(configIniPath(), QSettings::IniFormat).value(QStringLiteral("AppProfiles/1_Slot")).toInt(), 2);
    QVERIFY(focusAndExpectSwitch(m_game->window(), 2));
}

void TestAppProfilesX11::pickingAWindowGivesItsClass()
{
    TarqAppProfilesDialog* dialog = openDialog(*m_window);
    QVERIFY(dialog);
    auto* list = dialog->findChild<QListWidget*>();
    list->setCurrentRow(1);
    TarqPushButton* pick = buttonNamed(dialog, QStringLiteral("Pick a window"));
    QVERIFY(pick && pick->isEnabled());

    // Escape cancels: the rule keeps its text.
    const QString before = dialog->settings().rules[1].match;
    pick->click();
    QVERIFY(!pick->isEnabled());
    XTestFakeKeyEvent(m_x.display, XKeysymToKeycode(m_x.display, XK_Escape), True, 0);
    XTestFakeKeyEvent(m_x.display, XKeysymToKeycode(m_x.display, XK_Escape), False, 0);
    XFlush(m_x.display);
    QTRY_VERIFY(pick->isEnabled());
    QCOMPARE(dialog->settings().rules[1].match, before);
    QVERIFY(dialog->isVisible());

    // A click on the editor's window gives the rule its class.
    pick->click();
    const QPoint at = m_editor->centre();
    XTestFakeMotionEvent(m_x.display, -1, at.x(), at.y(), 0);
    XTestFakeButtonEvent(m_x.display, 1, True, 0);
    XTestFakeButtonEvent(m_x.display, 1, False, 0);
    XFlush(m_x.display);
    QTRY_VERIFY(pick->isEnabled());
    QCOMPARE(dialog->settings().rules[1].match, QStringLiteral("Editor"));
    QCOMPARE(list->item(1)->text().startsWith(QStringLiteral("Editor")), true);
    dialog->noButton()->click();
    QTRY_VERIFY(!m_window->findChild<TarqAppProfilesDialog*>());
    // Cancel kept the file as it was.
    QCOMPARE(readAppProfileSettings(), gameRules(3));
}

namespace {

double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    const int middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace

void TestAppProfilesX11::timeFromFocusToSwitch()
{
    QElapsedTimer clock;
    qint64 seenAt = -1;
    qint64 reportedAt = -1;
    connect(m_window->applicationFollower(), &AppProfileFollower::activeWindowSeen, this,
            [&] { seenAt = clock.nsecsElapsed(); });
    connect(
        &m_sandbox->mouse(), &VirtualMouse::profileSelected, this, [&] { reportedAt = clock.nsecsElapsed(); },
        Qt::DirectConnection);
    QVector<double> toReport;
    QVector<double> toSeen;
    for (int i = 0; i < kTimedSwitches; ++i) {
        const bool toGame = i % 2 == 0;
        QSignalSpy selected(&m_sandbox->mouse(), &VirtualMouse::profileSelected);
        clock.start();
        activate(m_x.display, toGame ? m_game->window() : m_editor->window());
        QVERIFY(selected.wait(kReactionTimeoutMs));
        toReport.append(double(reportedAt) / 1e6);
        toSeen.append(double(seenAt) / 1e6);
        QTRY_VERIFY(m_window->profileLibrary().currentSlot() == (toGame ? 2 : 0) && !m_window->isSending());
    }
    // The same switch from the slot menu, for what the focus adds to it.
    QVector<double> fromMenu;
    for (int i = 0; i < kTimedSwitches; ++i) {
        QSignalSpy selected(&m_sandbox->mouse(), &VirtualMouse::profileSelected);
        clock.start();
        chooseSlot(*m_window, QStringLiteral("Profile %1").arg(i % 2 == 0 ? 4 : 1));
        QVERIFY(selected.count() == 1 || selected.wait(kReactionTimeoutMs));
        fromMenu.append(double(reportedAt) / 1e6);
    }
    const auto [fastest, slowest] = std::minmax_element(toReport.begin(), toReport.end());
    qInfo("focus change to the profile-switch report: median %.2f ms of %d (%.2f to %.2f); the whole switch done "
          "after %.2f ms; from the slot menu the report follows after %.2f ms",
          median(toReport), kTimedSwitches, *fastest, *slowest, median(toSeen), median(fromMenu));
    QVERIFY(*slowest < kReactionTimeoutMs);
}

void TestAppProfilesX11::aServerWithoutAWindowManagerIsNoAnswer()
{
    PrivateXSession bare(0);
    QVERIFY2(bare.isValid(), qPrintable(bare.errorString()));
    const std::unique_ptr<ActiveWindowSource> source = createActiveWindowSource();
    QVERIFY(!source->isAvailable());
    QCOMPARE(source->current().id, 0ul);

    // A window manager that comes up later is followed from then on.
    QSignalSpy availability(source.get(), &ActiveWindowSource::availabilityChanged);
    QTemporaryDir home;
    QProcess manager;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral("cache")));
    manager.setProcessEnvironment(environment);
    manager.start(QStringLiteral("openbox"), QStringList());
    QVERIFY(manager.waitForStarted());
    QVERIFY(availability.wait(kReactionTimeoutMs));
    QCOMPARE(availability.first().first().toBool(), true);
    QVERIFY(source->isAvailable());
    manager.terminate();
    QVERIFY(manager.waitForFinished(kReactionTimeoutMs));
}

// The test runs on a desktop of its own: this process starts it (the server and its window
// manager), then runs the tests in a child connected to it from the start.
int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet(kOwnDesktopVariable)) {
        QCoreApplication application(argc, argv);
        if (const QString missing = PrivateXSession::missingProgram(PrivateXSession::WindowManager);
            !missing.isEmpty()) {
            std::fprintf(stderr, "%s is missing (scripts/setup installs it)\n", qPrintable(missing));
            return 1;
        }
        PrivateXSession desktop(PrivateXSession::WindowManager);
        if (!desktop.isValid()) {
            std::fprintf(stderr, "no desktop: %s\n", qPrintable(desktop.errorString()));
            return 1;
        }
        QProcess tests;
        tests.setProcessChannelMode(QProcess::ForwardedChannels);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QLatin1String(kOwnDesktopVariable), QStringLiteral("1"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("MOUSECFG_SCALE_FACTOR"), QStringLiteral("1"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        tests.setProcessEnvironment(environment);
        tests.start(QCoreApplication::applicationFilePath(), QCoreApplication::arguments().mid(1));
        if (!tests.waitForStarted() || !tests.waitForFinished(-1))
            return 1;
        return tests.exitStatus() == QProcess::NormalExit ? tests.exitCode() : 1;
    }
    QApplication application(argc, argv);
    TestAppProfilesX11 test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_app_profiles_x11.moc"
