#include "controls/display_scale.h"
#include "controls/push_button.h"
#include "controls/theme.h"

#include <QApplication>
#include <QButtonGroup>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QSize kImageSize(40, 20);

QString writeImage(const QTemporaryDir& dir, const QString& name, const QColor& colour, QSize size = kImageSize)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    const QString path = dir.filePath(name);
    image.save(path);
    return path;
}

QColor centreColour(TarqPushButton& button)
{
    const QImage shot = button.grab().toImage();
    return shot.pixelColor(shot.width() / 2, 2);
}

void enter(QWidget& widget)
{
    QEvent event(QEvent::Enter);
    QApplication::sendEvent(&widget, &event);
}

void leave(QWidget& widget)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(&widget, &event);
}

} // namespace

class TestPushButton : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QStringList m_threeImages;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_threeImages =
            QStringList{ writeImage(m_dir, "normal.png", Qt::red), writeImage(m_dir, "hover.png", Qt::green),
                         writeImage(m_dir, "pressed.png", Qt::blue) };
    }

    void init()
    {
        setDisplayScaleFactor(1.0);
        setAlternativeSkin(false);
    }

    void oneImageButtonKeepsItsPictureButSignals()
    {
        TarqPushButton button({ m_threeImages.first() });
        button.resize(kImageSize);
        QSignalSpy over(&button, &TarqPushButton::OverSignal);
        QSignalSpy entered(&button, &TarqPushButton::EnterSignal);

        enter(button);
        QCOMPARE(button.state(), 0);
        QCOMPARE(centreColour(button), QColor(Qt::red));
        QTest::mousePress(&button, Qt::LeftButton);
        QCOMPARE(button.state(), 0);
        QCOMPARE(centreColour(button), QColor(Qt::red));
        QTest::mouseRelease(&button, Qt::LeftButton);
        QCOMPARE(centreColour(button), QColor(Qt::red));

        QCOMPARE(over.count(), 1);
        QCOMPARE(over.at(0).at(0).value<TarqPushButton*>(), &button);
        QCOMPARE(over.at(0).at(1).toBool(), true);
        QCOMPARE(entered.count(), 1);
        QCOMPARE(entered.at(0).at(0).value<TarqPushButton*>(), &button);
    }

    void threeImagesFollowHoverPressAndRelease()
    {
        TarqPushButton button(m_threeImages);
        button.resize(kImageSize);
        QSignalSpy over(&button, &TarqPushButton::OverSignal);

        enter(button);
        QCOMPARE(button.state(), 1);
        QCOMPARE(centreColour(button), QColor(Qt::green));
        QTest::mousePress(&button, Qt::LeftButton);
        QCOMPARE(button.state(), 2);
        QCOMPARE(centreColour(button), QColor(Qt::blue));
        QTest::mouseRelease(&button, Qt::LeftButton);
        QCOMPARE(button.state(), 1);

        // The first leave after a press is silent, the next one is not.
        leave(button);
        QCOMPARE(button.state(), 0);
        enter(button);
        leave(button);
        QCOMPARE(over.count(), 3);
        QCOMPARE(over.at(0).at(1).toBool(), true);
        QCOMPARE(over.at(1).at(1).toBool(), true);
        QCOMPARE(over.at(2).at(1).toBool(), false);

        // A button that cannot be checked looks pressed on every press, not on every other one.
        QTest::mousePress(&button, Qt::LeftButton);
        QVERIFY(!button.isChecked());
        QCOMPARE(centreColour(button), QColor(Qt::blue));
        QTest::mouseRelease(&button, Qt::LeftButton);
    }

    void pressOnCheckedButtonShowsNormalAndUnchecks()
    {
        TarqPushButton button(m_threeImages);
        button.setCheckable(true);
        button.setChecked(true);
        QCOMPARE(button.state(), 1);
        QTest::mousePress(&button, Qt::LeftButton);
        QVERIFY(!button.isChecked());
        QCOMPARE(button.state(), 0);
        QTest::mouseRelease(&button, Qt::LeftButton);
        leave(button);
        QCOMPARE(button.state(), 0); // unchecked now, so leaving shows normal
    }

    void uncheckableButtonShowsTheCheckedPictureOnly()
    {
        TarqPushButton button(m_threeImages);
        button.setChecked(true);
        QCOMPARE(button.state(), 1);
        QVERIFY(!button.isChecked());
        button.setChecked(false);
        QCOMPARE(button.state(), 0);
        button.setEnabled(false);
        button.setChecked(true);
        QCOMPARE(button.state(), 3);
    }

    void buttonGroupKeepsOneChecked()
    {
        QButtonGroup group; // exclusive
        TarqPushButton first(m_threeImages);
        TarqPushButton second(m_threeImages);
        for (TarqPushButton* button : { &first, &second }) {
            button->resize(kImageSize);
            button->setCheckable(true);
            group.addButton(button);
        }
        first.setChecked(true);
        QCOMPARE(centreColour(first), QColor(Qt::green));
        QSignalSpy firstToggled(&first, &QAbstractButton::toggled);
        QSignalSpy secondToggled(&second, &QAbstractButton::toggled);

        // The press checks at once and the group unchecks the other; the release changes nothing.
        QTest::mousePress(&second, Qt::LeftButton);
        QCOMPARE(group.checkedButton(), &second);
        QVERIFY(!first.isChecked());
        QCOMPARE(secondToggled.count(), 1);
        QCOMPARE(secondToggled.at(0).at(0).toBool(), true);
        QCOMPARE(firstToggled.count(), 1);
        QCOMPARE(firstToggled.at(0).at(0).toBool(), false);
        QCOMPARE(centreColour(second), QColor(Qt::blue));
        QCOMPARE(centreColour(first), QColor(Qt::red));
        QTest::mouseRelease(&second, Qt::LeftButton);
        QVERIFY(second.isChecked());
        QCOMPARE(secondToggled.count(), 1);
        QCOMPARE(centreColour(second), QColor(Qt::green));

        // Pressing the checked button keeps it checked, as a click on any exclusive button does.
        QSignalSpy entered(&second, &TarqPushButton::EnterSignal);
        QTest::mouseClick(&second, Qt::LeftButton);
        QCOMPARE(entered.count(), 1);
        QCOMPARE(group.checkedButton(), &second);
        QCOMPARE(secondToggled.count(), 1);
        leave(second);
        QCOMPARE(centreColour(second), QColor(Qt::green));

        // A click without a press (a shortcut, click()) toggles once too.
        first.click();
        QCOMPARE(group.checkedButton(), &first);
        QCOMPARE(firstToggled.count(), 2);
        QCOMPARE(centreColour(first), QColor(Qt::green));
        QCOMPARE(centreColour(second), QColor(Qt::red));
    }

    void enterSignalComesBeforeTheBasePressHandling()
    {
        TarqPushButton button(m_threeImages);
        QStringList order;
        connect(&button, &TarqPushButton::EnterSignal, this, [&] { order << "EnterSignal"; });
        connect(&button, &QPushButton::pressed, this, [&] { order << "pressed"; });
        connect(&button, &QPushButton::clicked, this, [&] { order << "clicked"; });
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(order, (QStringList{ "EnterSignal", "pressed", "clicked" }));
    }

    void disablingACheckedButtonGreysItAndEnablingRestoresChecked()
    {
        TarqPushButton button(m_threeImages);
        button.resize(kImageSize);
        button.setCheckable(true);
        button.setChecked(true);
        button.setEnabled(false);
        QCOMPARE(button.state(), 3);
        QVERIFY(!button.isEnabled());
        button.setEnabled(true);
        QCOMPARE(button.state(), 1);
        QVERIFY(button.isEnabled());

        // Disabled through the parent as the window does while recording a macro.
        QWidget parent;
        auto* child = new TarqPushButton(m_threeImages, &parent);
        parent.setEnabled(false);
        QCOMPARE(child->state(), 3);
        parent.setEnabled(true);
        QCOMPARE(child->state(), 0);
    }

    void spaceTogglesLikeAClick()
    {
        TarqPushButton button(m_threeImages);
        button.setCheckable(true);
        QSignalSpy entered(&button, &TarqPushButton::EnterSignal);
        QSignalSpy clicked(&button, &QPushButton::clicked);
        QTest::keyClick(&button, Qt::Key_Space);
        QVERIFY(button.isChecked());
        QCOMPARE(button.state(), 1);
        QCOMPARE(entered.count(), 1);
        QCOMPARE(clicked.count(), 1);
        QTest::keyClick(&button, Qt::Key_Space);
        QVERIFY(!button.isChecked());
        QCOMPARE(button.state(), 0);
    }

    void disabledButtonIgnoresThePointer()
    {
        TarqPushButton button(m_threeImages);
        button.setEnabled(false);
        QSignalSpy over(&button, &TarqPushButton::OverSignal);
        enter(button);
        leave(button);
        QCOMPARE(over.count(), 0);
        QCOMPARE(button.state(), 3);
    }

    void checkableSetterResetsTheState()
    {
        TarqPushButton button(m_threeImages);
        enter(button);
        QCOMPARE(button.state(), 1);
        button.setCheckable(true);
        QCOMPARE(button.state(), 0);
    }

    void hoverFeedbackOffKeepsTheNormalImage()
    {
        TarqPushButton button(m_threeImages);
        button.setHoverFeedback(false);
        QSignalSpy over(&button, &TarqPushButton::OverSignal);
        enter(button);
        QCOMPARE(button.state(), 0);
        QCOMPARE(over.count(), 1);
    }

    void sizeHintIsTheIconOrTheImage()
    {
        TarqPushButton plain(m_threeImages);
        QCOMPARE(plain.sizeHint(), kImageSize);
        const QString icon = writeImage(m_dir, "icon.png", Qt::white, QSize(12, 14));
        TarqPushButton withIcon(m_threeImages, nullptr, icon);
        QCOMPARE(withIcon.sizeHint(), QSize(12, 14));
    }

    void badgeShowsOnlyWithANumber()
    {
        const QString black = writeImage(m_dir, "plain.png", Qt::black, QSize(120, 30));
        TarqPushButton button({ black });
        button.resize(120, 30);
        const auto badgeCorner = [&button] { return button.grab().toImage().pixelColor(8, 15); };
        QCOMPARE(badgeCorner(), QColor(Qt::black));
        button.setBadgeNumber(3);
        QCOMPARE(badgeCorner(), themeColour());
        button.setBadgeNumber(0);
        QCOMPARE(badgeCorner(), QColor(Qt::black));
    }

    void textColourFollowsStateAndSkin_data()
    {
        QTest::addColumn<bool>("alternative");
        QTest::addColumn<QColor>("normal");
        QTest::addColumn<QColor>("disabled");
        QTest::newRow("images") << false << QColor(200, 200, 200) << QColor(100, 100, 100);
        QTest::newRow("alternative skin") << true << QColor(Qt::white) << QColor(100, 100, 100);
    }

    void textColourFollowsStateAndSkin()
    {
        QFETCH(bool, alternative);
        QFETCH(QColor, normal);
        QFETCH(QColor, disabled);
        setAlternativeSkin(alternative);
        const QString black = writeImage(m_dir, "black.png", Qt::black, QSize(200, 60));
        TarqPushButton button({ black });
        button.resize(200, 60);
        button.setText(QString(40, QChar(0x2588))); // full blocks: the text's own colour fills the centre
        const auto textColour = [&button] {
            const QImage shot = button.grab().toImage();
            return shot.pixelColor(shot.width() / 2, shot.height() / 2);
        };
        QCOMPARE(textColour(), normal);
        button.setEnabled(false);
        QCOMPARE(textColour(), disabled);
    }
};

QTEST_MAIN(TestPushButton)
#include "test_push_button.moc"
