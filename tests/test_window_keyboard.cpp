// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mousecfg_widget.h"
#include "buttons/button_page.h"
#include "controls/focus_ring.h"
#include "controls/message_box.h"
#include "controls/push_button.h"
#include "controls/theme.h"
#include "device/sensor_resolution.h"
#include "screens_directory.h"
#include "window_sandbox.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>
#include <QtTest>

namespace {

QString nameOf(QWidget* widget)
{
    if (!widget)
        return QStringLiteral("(none)");
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : widget->objectName();
}

void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus);
    QTest::keyClick(focus, key, modifiers);
}

// One round of Tab from the current focus: the names of the controls met, in order.
QStringList tabRound(int limit = 200)
{
    QStringList names;
    QWidget* first = QApplication::focusWidget();
    for (int i = 0; i < limit; ++i) {
        pressKey(Qt::Key_Tab);
        if (QApplication::focusWidget() == first)
            break;
        names << nameOf(QApplication::focusWidget());
    }
    return names;
}

TarqPushButton* hotSpot(const MousecfgWidget& window, const QString& name)
{
    for (TarqPushButton* button : window.findChildren<TarqPushButton*>())
        if (button->parentWidget() == &window && button->isVisibleTo(&window) && button->accessibleName() == name)
            return button;
    return nullptr;
}

// The focusable button that shows that text.
TarqPushButton* buttonShowing(const MousecfgWidget& window, const QString& text)
{
    for (TarqPushButton* button : window.findChildren<TarqPushButton*>())
        if (button->text() == text && button->focusPolicy() != Qt::NoFocus)
            return button;
    return nullptr;
}

// Whether the picture holds a pixel of the colour within the rectangle's border band.
bool ringDrawn(const QImage& picture, const QRect& ring, const QColor& colour, int width)
{
    const QRect inner = ring.adjusted(width, width, -width, -width);
    int hits = 0;
    for (int y = ring.top(); y <= ring.bottom(); ++y)
        for (int x = ring.left(); x <= ring.right(); ++x) {
            if (inner.contains(x, y) || !picture.rect().contains(x, y))
                continue;
            const QColor seen = picture.pixelColor(x, y);
            if (qAbs(seen.red() - colour.red()) < 30 && qAbs(seen.green() - colour.green()) < 30 &&
                qAbs(seen.blue() - colour.blue()) < 30)
                ++hits;
        }
    // Most of the band: the straight sides are solid, the corners rounded.
    return hits > (ring.width() + ring.height()) * width;
}

} // namespace

class TestWindowKeyboard final : public QObject
{
    Q_OBJECT

private:
    WindowSandbox m_sandbox;
    std::unique_ptr<MousecfgWidget> m_window;

    MousecfgWidget& window() { return *m_window; }

    // Who holds the keys, for a failure's message.
    static QString describeFocus(const FocusRing* ring)
    {
        const auto name = [](const QObject* object) {
            return object ? QStringLiteral("%1 \"%2\"")
                                .arg(QString::fromLatin1(object->metaObject()->className()), object->objectName())
                          : QStringLiteral("none");
        };
        return QStringLiteral("active window: %1, focus: %2, ring on: %3")
            .arg(name(QApplication::activeWindow()), name(QApplication::focusWidget()), name(ring->ringedWidget()));
    }

    void openWindow()
    {
        m_window = m_sandbox.makeWindow();
        QVERIFY(m_window);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->activateWindow();
        QTRY_VERIFY(m_window->isActiveWindow());
    }

private slots:
    void init()
    {
        QVERIFY(m_sandbox.isValid());
        openWindow();
    }

    void cleanup() { m_window.reset(); }

    void tabWalksTheWindowAsItReads()
    {
        window().selectTab(MousecfgWidget::CustomizeTab);
        const TarqBtnWindow* page = window().findChild<TarqBtnWindow*>();
        buttonNamed(&window(), QStringLiteral("Language"))->setFocus(Qt::OtherFocusReason);
        const QStringList round = tabRound();
        // The five slots follow the tabs; the slot menu's button ("Profile 1" too) comes after them.
        const QStringList landmarks{
            QStringLiteral("Minimise"),       QStringLiteral("LIGHTING"),        QStringLiteral("MACRO"),
            QStringLiteral("Profile 1"),      QStringLiteral("Profile 5"),       QStringLiteral("DELETE"),
            QStringLiteral("Import profile"), QStringLiteral("Front"),           QStringLiteral("Button 1"),
            nameOf(page->label(0)),           QStringLiteral("Firmware Update"), QStringLiteral("Reset All"),
            QStringLiteral("Apply")
        };
        int previous = -1;
        for (const QString& landmark : landmarks) {
            const int at = round.indexOf(landmark);
            QVERIFY2(at > previous, qPrintable(landmark + QStringLiteral(" out of order in: ") + round.join(", ")));
            previous = at;
        }
        // Every label of the page is reached, and nothing unnamed is.
        for (int slot = 0; slot < TarqBtnWindow::kLabelCount; ++slot) {
            TarqPushButton* label = page->label(slot);
            if (label && label->isVisibleTo(&window()))
                QVERIFY2(round.contains(nameOf(label)), qPrintable(nameOf(label)));
        }
        QVERIFY2(!round.contains(QString()), qPrintable(round.join(", ")));
        QCOMPARE(round.count(QStringLiteral("Profile 1")), 2);

        // Backtab walks the same round the other way.
        pressKey(Qt::Key_Backtab);
        QCOMPARE(nameOf(QApplication::focusWidget()), round.last());
        pressKey(Qt::Key_Backtab);
        QCOMPARE(nameOf(QApplication::focusWidget()), round.at(round.size() - 2));
    }

    void arrowsMoveBetweenLabels()
    {
        window().selectTab(MousecfgWidget::CustomizeTab);
        TarqBtnWindow* page = window().findChild<TarqBtnWindow*>();
        QVector<TarqPushButton*> shown;
        QVector<int> slotsShown;
        for (int slot = 0; slot < TarqBtnWindow::kLabelCount; ++slot)
            if (page->label(slot) && page->label(slot)->isVisibleTo(&window())) {
                shown << page->label(slot);
                slotsShown << slot;
            }
        QVERIFY(shown.size() > 2);
        shown.first()->setFocus(Qt::TabFocusReason);
        pressKey(Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), shown.at(1));
        pressKey(Qt::Key_Right);
        QCOMPARE(QApplication::focusWidget(), shown.at(2));
        pressKey(Qt::Key_Up);
        pressKey(Qt::Key_Left);
        QCOMPARE(QApplication::focusWidget(), shown.first());
        pressKey(Qt::Key_Left);
        QCOMPARE(QApplication::focusWidget(), shown.last());
        // Focus on a label selects its button, as the pointer does.
        QCOMPARE(page->selectedSlot(), slotsShown.last());
    }

    void hotSpotsShowTheSelectionAndTheHoverOnly()
    {
        window().selectTab(MousecfgWidget::CustomizeTab);
        TarqPushButton* second = hotSpot(window(), QStringLiteral("Button 2"));
        TarqPushButton* fourth = hotSpot(window(), QStringLiteral("Button 4"));
        QVERIFY(second && fourth);
        // A new window lights its first button, the selected one, and nothing else.
        QVERIFY(!hotSpot(window(), QStringLiteral("Button 1"))->isChecked());
        QVERIFY(second->isChecked() && fourth->isChecked());
        QVERIFY(hotSpot(window(), QStringLiteral("Wheel up"))->isChecked());
        window().SelBtnChanged(1, 0);
        // Checked draws the plain picture; the selected hot-spot alone is lit.
        QVERIFY(!second->isChecked());
        QVERIFY(fourth->isChecked());
        QVERIFY(hotSpot(window(), QStringLiteral("Button 1"))->isChecked());

        window().slotMouseOver(fourth, true);
        QVERIFY(!fourth->isChecked());
        window().slotMouseOver(fourth, false);
        QVERIFY(fourth->isChecked());
        QVERIFY2(!second->isChecked(), "the selection went out with the hover");

        // A label lights its hot-spot while it has the focus, and no longer once focus moves on.
        TarqBtnWindow* page = window().findChild<TarqBtnWindow*>();
        page->label(3)->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(!fourth->isChecked());
        buttonNamed(&window(), QStringLiteral("Apply"))->setFocus(Qt::TabFocusReason);
        QVERIFY2(!second->isChecked(), "the selected hot-spot went out with the label's focus");
    }

    void screenReadersHearWhatTheWindowShows()
    {
        QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(&window());
        QCOMPARE(frame->role(), QAccessible::Window);
        QCOMPARE(frame->text(QAccessible::Name), window().currentProductName());

        TarqPushButton* lighting = buttonNamed(&window(), QStringLiteral("LIGHTING"));
        QAccessibleInterface* tab = QAccessible::queryAccessibleInterface(lighting);
        QCOMPARE(tab->role(), QAccessible::PageTab);
        QCOMPARE(tab->parent()->role(), QAccessible::PageTabList);
        QCOMPARE(tab->parent()->childCount(), 4);
        window().selectTab(MousecfgWidget::DpiTab);
        QVERIFY(!tab->state().selected);
        QVERIFY(QAccessible::queryAccessibleInterface(buttonNamed(&window(), QStringLiteral("DPI")))->state().selected);

        // The profile label reads what it shows.
        TarqPushButton* profile = buttonShowing(window(), QStringLiteral("Profile 1"));
        QVERIFY(profile);
        QCOMPARE(nameOf(profile), QStringLiteral("Profile 1"));

        // DPI sliders speak in DPI.
        bool sawSlider = false;
        for (QSlider* slider : window().findChildren<QSlider*>()) {
            if (!slider->accessibleName().startsWith(QStringLiteral("Stage 1")) || !slider->isVisibleTo(&window()))
                continue;
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(slider);
            QAccessibleValueInterface* value = face->valueInterface();
            QVERIFY(value);
            QVERIFY2(value->minimumValue().toInt() >= 50, qPrintable(value->minimumValue().toString()));
            const QString shown = face->text(QAccessible::Value);
            QCOMPARE(value->currentValue().toString(), shown);
            // The field beside the slider shows the same DPI.
            bool labelled = false;
            for (QSpinBox* field : slider->parentWidget()->parentWidget()->findChildren<QSpinBox*>())
                labelled = labelled || QString::number(field->value()) == shown;
            QVERIFY2(labelled, qPrintable(shown));
            value->setCurrentValue(value->maximumValue());
            QCOMPARE(slider->value(), slider->maximum());
            sawSlider = true;
        }
        QVERIFY(sawSlider);

        // A pair of exclusive switches is a pair of radio buttons.
        bool sawSwitch = false;
        for (QCheckBox* box : window().findChildren<QCheckBox*>()) {
            if (box->text() != QStringLiteral("ON"))
                continue;
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(box);
            QCOMPARE(face->role(), QAccessible::RadioButton);
            QCOMPARE(face->state().checked, box->isChecked());
            sawSwitch = true;
        }
        QVERIFY(sawSwitch);

        // A notice is an alert, a question a dialog, each named by its heading.
        TarqMessageBox notice(TarqMessageBox::Warning, QString(), QStringLiteral("Warning"), QStringLiteral("x"));
        TarqMessageBox question(TarqMessageBox::Question, QString(), QStringLiteral("Warning"), QStringLiteral("x"));
        QCOMPARE(QAccessible::queryAccessibleInterface(&notice)->role(), QAccessible::AlertMessage);
        QCOMPARE(QAccessible::queryAccessibleInterface(&question)->role(), QAccessible::Dialog);
    }

    void focusRingFollowsTheKeyboard_data() { addScaleAndLanguageRows(); }

    void focusRingFollowsTheKeyboard()
    {
        QFETCH(QString, scale);
        QFETCH(int, language);
        if (language != 0)
            QSKIP("the ring has no text: one language is enough");
        qputenv("MOUSECFG_SCALE_FACTOR", scale.toLatin1());
        auto restore = qScopeGuard([] { qunsetenv("MOUSECFG_SCALE_FACTOR"); });
        openWindow();
        FocusRing* ring = FocusRing::install();
        window().selectTab(MousecfgWidget::CustomizeTab);
        TarqPushButton* spot = hotSpot(window(), QStringLiteral("Button 1"));
        QVERIFY(spot);
        // A mouse press ends the keyboard's turn: no ring until a key comes.
        QTest::mouseClick(spot, Qt::LeftButton);
        QVERIFY(!ring->ringedWidget());

        const struct
        {
            const char* name;
            QWidget* widget;
        } shots[] = {
            { "tab", buttonNamed(&window(), QStringLiteral("DPI")) },
            { "slot", buttonShowing(window(), QStringLiteral("Profile 1")) },
            { "hot-spot", spot },
        };
        for (const auto& shot : shots) {
            QVERIFY2(shot.widget, shot.name);
            shot.widget->setFocus(Qt::TabFocusReason);
            QTest::keyClick(shot.widget, Qt::Key_Shift);
            QTRY_COMPARE(ring->ringedWidget(), shot.widget);
            const QRect control(shot.widget->mapTo(&window(), QPoint(0, 0)), shot.widget->size());
            const QRect drawn = ring->ringRect();
            // Outside the control, with a gap: it never covers the control's own look.
            QVERIFY(drawn.contains(
                control.adjusted(-FocusRing::gap(), -FocusRing::gap(), FocusRing::gap(), FocusRing::gap())));
            const QImage picture = window().grab().toImage();
            QVERIFY2(ringDrawn(picture, drawn, themeColour(), FocusRing::lineWidth()), shot.name);
            QVERIFY(picture.copy(drawn.adjusted(-8, -8, 8, 8))
                        .save(screensDirectory() + QStringLiteral("/focus-%1-%2.png").arg(shot.name, scale)));
        }

        // A slider of the DPI page.
        window().selectTab(MousecfgWidget::DpiTab);
        QSlider* slider = nullptr;
        for (QSlider* each : window().findChildren<QSlider*>())
            if (!slider && each->isVisibleTo(&window()) && each->accessibleName().startsWith(QStringLiteral("Stage 2")))
                slider = each;
        QVERIFY(slider);
        slider->setFocus(Qt::TabFocusReason);
        QTest::keyClick(slider, Qt::Key_Shift);
        QTRY_COMPARE(ring->ringedWidget(), slider);
        QVERIFY(window()
                    .grab()
                    .toImage()
                    .copy(ring->ringRect().adjusted(-8, -8, 8, 8))
                    .save(screensDirectory() + QStringLiteral("/focus-slider-%1.png").arg(scale)));

        // The default button of a message box.
        auto* box = new TarqMessageBox(TarqMessageBox::Question, QString(), QStringLiteral("Warning"),
                                       QStringLiteral("Reset all profiles?"), &window());
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
        QVERIFY(QTest::qWaitForWindowExposed(box));
        // Offscreen windows count as exposed at once; the box takes the keys only once active.
        QTRY_VERIFY2(box->isActiveWindow(), qPrintable(describeFocus(ring)));
        QTest::keyClick(box, Qt::Key_Tab);
        QTRY_VERIFY2(ring->ringedWidget() && ring->ringedWidget()->window() == box, qPrintable(describeFocus(ring)));
        QVERIFY(box->grab().save(screensDirectory() + QStringLiteral("/focus-message-box-%1.png").arg(scale)));
        box->reject();
    }
};

QTEST_MAIN(TestWindowKeyboard)
#include "test_window_keyboard.moc"
