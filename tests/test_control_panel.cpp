#include "sim/control_panel.h"
#include "upload_sandbox.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QtTest>

namespace {

// Controls are found the way a screen reader finds them: by their accessible names.
template<typename Widget>
Widget* control(QWidget& panel, const QString& accessibleName)
{
    const QList<Widget*> candidates = panel.findChildren<Widget*>();
    for (Widget* candidate : candidates) {
        if (candidate->accessibleName() == accessibleName)
            return candidate;
    }
    return nullptr;
}

QString screensDir()
{
    const QString configured = qEnvironmentVariable("MOUSECFG_SCREENS_DIR");
    return configured.isEmpty() ? QCoreApplication::applicationDirPath() + QStringLiteral("/../screens") : configured;
}

// Sends the test product's configuration through the device link, with report rate code 3 and
// the steady colour 12 34 56 (lighting code 2) on the first profile.
quint8 uploadSample()
{
    ConfigRecord last = UploadSandbox::configuration();
    ConfigRecord working = last;
    ProfileRecord& profile = working.profiles[0];
    profile.pollrate = 3;
    profile.LedMode = 1;
    profile.ledEffects[1].RGB = QColor(0x12, 0x34, 0x56);
    return runProcessThread(working, last, nullptr, true).result;
}

void showAndWait(QWidget& panel)
{
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
}

} // namespace

class TestControlPanel final : public QObject
{
    Q_OBJECT

private slots:
    void controlsChangeTheMouse();
    void viewFollowsTheMouse();
    void viewRefreshesAfterAnUpload();
    void layoutIsTidyAndKeyboardReachable();
};

void TestControlPanel::controlsChangeTheMouse()
{
    DeviceSandbox sandbox;
    VirtualMouse& mouse = sandbox.mouse();
    VirtualMousePanel panel(mouse);
    showAndWait(panel);

    auto* receiver = control<QCheckBox>(panel, QStringLiteral("Receiver plugged in"));
    auto* cable = control<QCheckBox>(panel, QStringLiteral("Cable plugged in"));
    auto* asleep = control<QCheckBox>(panel, QStringLiteral("Asleep"));
    auto* charging = control<QCheckBox>(panel, QStringLiteral("Charging"));
    auto* millivolts = control<QSpinBox>(panel, QStringLiteral("Battery voltage"));
    QVERIFY(receiver && cable && asleep && charging && millivolts);

    QVERIFY(!receiver->isChecked());
    QTest::keyClick(receiver, Qt::Key_Space);
    QVERIFY(mouse.isPlugged(MouseLink::Receiver));
    QTest::mouseClick(cable, Qt::LeftButton);
    QVERIFY(mouse.isPlugged(MouseLink::Cable));
    QTest::mouseClick(cable, Qt::LeftButton);
    QVERIFY(!mouse.isPlugged(MouseLink::Cable));
    QVERIFY(mouse.isPlugged(MouseLink::Receiver));

    QTest::keyClick(asleep, Qt::Key_Space);
    QVERIFY(mouse.isAsleep());
    QTest::keyClick(asleep, Qt::Key_Space);
    QVERIFY(!mouse.isAsleep());

    QCOMPARE(millivolts->value(), VirtualMouse::kDefaultMillivolts);
    QTest::keyClick(millivolts, Qt::Key_Up);
    QCOMPARE(mouse.batteryMillivolts(), VirtualMouse::kDefaultMillivolts + millivolts->singleStep());
    millivolts->setValue(VirtualMousePanel::kMaximumMillivolts);
    QCOMPARE(mouse.batteryMillivolts(), VirtualMousePanel::kMaximumMillivolts);
    QTest::keyClick(charging, Qt::Key_Space);
    QVERIFY(mouse.isCharging());

    const struct
    {
        const char* name;
        int (VirtualMouse::*state)() const;
        int afterOnePress;
    } buttons[] = {
        { "Profile button", &VirtualMouse::activeProfile, 1 },
        { "DPI button", &VirtualMouse::dpiStage, 1 },
        { "Report rate button", &VirtualMouse::rateCode, 8 }, // 1000 Hz → 125 Hz
        { "Lighting button", &VirtualMouse::lightingMode, 1 },
    };
    for (const auto& button : buttons) {
        auto* pushButton = control<QPushButton>(panel, QLatin1String(button.name));
        QVERIFY2(pushButton, button.name);
        QTest::keyClick(pushButton, Qt::Key_Space);
        QCOMPARE((mouse.*button.state)(), button.afterOnePress);
    }
}

void TestControlPanel::viewFollowsTheMouse()
{
    DeviceSandbox sandbox;
    VirtualMouse& mouse = sandbox.mouse();
    mouse.setCharging(true);
    mouse.pressProfileButton();
    mouse.pressProfileButton();
    VirtualMousePanel panel(mouse);
    showAndWait(panel);
    QVERIFY(control<QCheckBox>(panel, QStringLiteral("Charging"))->isChecked());
    QCOMPARE(control<QLabel>(panel, QStringLiteral("Active profile"))->text(), QStringLiteral("3 of 5"));
    auto* view = control<QPlainTextEdit>(panel, QStringLiteral("Active on-board profile"));
    QVERIFY(view);
    QCOMPARE(view->toPlainText(), QStringLiteral("Profile 3: nothing committed yet"));

    // The panel's own buttons show their effect at once.
    auto* dpiButton = control<QPushButton>(panel, QStringLiteral("DPI button"));
    QTest::mouseClick(dpiButton, Qt::LeftButton);
    QTest::mouseClick(dpiButton, Qt::LeftButton);
    QCOMPARE(control<QLabel>(panel, QStringLiteral("DPI stage"))->text(), QStringLiteral("3"));
    QTest::mouseClick(control<QPushButton>(panel, QStringLiteral("Report rate button")), Qt::LeftButton);
    QCOMPARE(control<QLabel>(panel, QStringLiteral("Report rate"))->text(), QStringLiteral("code 8"));

    // Plugging by anyone else shows up too.
    auto* cable = control<QCheckBox>(panel, QStringLiteral("Cable plugged in"));
    QVERIFY(!cable->isChecked());
    mouse.plug(MouseLink::Cable);
    QTRY_VERIFY(cable->isChecked());
}

void TestControlPanel::viewRefreshesAfterAnUpload()
{
    UploadSandbox sandbox;
    QVERIFY(sandbox.isValid());
    VirtualMousePanel panel(sandbox.mouse());
    showAndWait(panel);
    auto* view = control<QPlainTextEdit>(panel, QStringLiteral("Active on-board profile"));
    auto* uploads = control<QLabel>(panel, QStringLiteral("Uploads"));
    QVERIFY(view && uploads);
    QCOMPARE(uploads->text(), QStringLiteral("0 finished"));

    QCOMPARE(uploadSample(), quint8(0));
    QTRY_COMPARE(uploads->text(), QStringLiteral("1 finished"));
    const QString text = view->toPlainText();
    QVERIFY2(text.contains(QStringLiteral("Lighting record (code 2): 80 12 34 56 01 00 02")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("Report rate code: 3")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("DPI stages (6 counted):")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("Buttons (header 0a 00):")), qPrintable(text));
}

void TestControlPanel::layoutIsTidyAndKeyboardReachable()
{
    UploadSandbox sandbox;
    QVERIFY(sandbox.isValid());
    sandbox.mouse().plug(MouseLink::Cable);
    QCOMPARE(uploadSample(), quint8(0));
    VirtualMousePanel panel(sandbox.mouse());
    showAndWait(panel);
    QCOMPARE(panel.windowTitle(), QStringLiteral("Virtual mouse"));

    const QList<QWidget*> widgets = panel.findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        const bool interactive = qobject_cast<QAbstractButton*>(widget) || qobject_cast<QAbstractSpinBox*>(widget) ||
                                 qobject_cast<QPlainTextEdit*>(widget);
        if (interactive) {
            QVERIFY2(widget->focusPolicy() & Qt::TabFocus, qPrintable(widget->accessibleName()));
            QVERIFY2(!widget->accessibleName().isEmpty(), widget->metaObject()->className());
        }
        // Texts are not cut: each control got at least the room it asks for.
        if (interactive || qobject_cast<QLabel*>(widget)) {
            QVERIFY2(widget->width() >= widget->minimumSizeHint().width(), qPrintable(widget->accessibleName()));
            QVERIFY2(widget->height() >= widget->minimumSizeHint().height(), qPrintable(widget->accessibleName()));
        }
    }
    // Tab walks the controls top to bottom, then over to the view.
    QStringList tabOrder;
    for (QWidget* next = panel.nextInFocusChain(); next != &panel; next = next->nextInFocusChain()) {
        if ((next->focusPolicy() & Qt::TabFocus) && !next->accessibleName().isEmpty())
            tabOrder << next->accessibleName();
    }
    QCOMPARE(tabOrder, (QStringList{ "Receiver plugged in", "Cable plugged in", "Asleep", "Battery voltage", "Charging",
                                     "DPI button", "Profile button", "Report rate button", "Lighting button",
                                     "Active on-board profile" }));
    // Nothing overlaps its neighbours.
    const QList<QWidget*> parents = QList<QWidget*>{ &panel } + panel.findChildren<QWidget*>();
    for (QWidget* parent : parents) {
        const QList<QWidget*> siblings = parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        for (int i = 0; i < siblings.size(); ++i) {
            for (int j = i + 1; j < siblings.size(); ++j) {
                if (siblings[i]->isVisible() && siblings[j]->isVisible() && !siblings[i]->isWindow())
                    QVERIFY(!siblings[i]->geometry().intersects(siblings[j]->geometry()));
            }
        }
    }
    // The on-board view shows every byte without scrolling.
    auto* view = control<QPlainTextEdit>(panel, QStringLiteral("Active on-board profile"));
    QVERIFY(view);
    QVERIFY(QFontInfo(view->font()).fixedPitch());
    QVERIFY(!view->horizontalScrollBar()->isVisible());
    QVERIFY(!view->verticalScrollBar()->isVisible());

    QVERIFY(QDir().mkpath(screensDir()));
    QVERIFY(panel.grab().save(QDir(screensDir()).filePath(QStringLiteral("demo_panel.png"))));
}

QTEST_MAIN(TestControlPanel)
#include "test_control_panel.moc"
