#include "platform/keyboard_layout.h"
#include "storage/key_names.h"

#include <QtTest>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace {

// Sets the rules names of the X server's keyboard as setxkbmap leaves them. The connection stays
// open: a server whose last client leaves resets its root window properties.
bool setRulesNames(Display* display, const QByteArray& names)
{
    if (!display) {
        return false;
    }
    const Atom property = XInternAtom(display, "_XKB_RULES_NAMES", False);
    XChangeProperty(display, DefaultRootWindow(display), property, XA_STRING, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(names.constData()), names.size());
    XSync(display, False);
    return true;
}

} // namespace

class TestKeyboardLayout final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY")) {
            QSKIP("needs an X server");
        }
        m_display = XOpenDisplay(nullptr);
        QVERIFY(m_display);
        setFrenchLayoutQuery(&isFrenchKeyboardLayout);
    }

    void cleanupTestCase()
    {
        setFrenchLayoutQuery(nullptr);
        if (m_display) {
            XCloseDisplay(m_display);
        }
    }

    void keyNamesFollowTheSessionLayout()
    {
        QVERIFY(setRulesNames(m_display, QByteArray("evdev\0pc105\0fr\0\0", 16)));
        QCOMPARE(keyboardLayoutName(), QStringLiteral("fr"));
        QCOMPARE(keyName(16), QStringLiteral("a"));
        QCOMPARE(keyName(224), QStringLiteral("Num Del"));

        // Switching layouts while the program runs changes the names at once.
        QVERIFY(setRulesNames(m_display, QByteArray("evdev\0pc105\0de,fr\0\0", 19)));
        QCOMPARE(keyboardLayoutName(), QStringLiteral("de,fr"));
        QCOMPARE(keyName(16), QStringLiteral("Q"));
        QCOMPARE(keyName(224), QStringLiteral("Num De"));
    }

private:
    Display* m_display = nullptr;
};

QTEST_GUILESS_MAIN(TestKeyboardLayout)
#include "test_keyboard_layout.moc"
