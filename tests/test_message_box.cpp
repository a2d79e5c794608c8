#include "controls/device_open_source.h"
#include "controls/display_scale.h"
#include "controls/message_box.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

namespace {

class FakeMainWindow final
    : public QWidget
    , public DeviceOpenSource
{
public:
    bool isDeviceOpen() const override { return m_open; }
    bool m_open = false;
};

QToolButton* button(TarqMessageBox& box, const char* name)
{
    return box.findChild<QToolButton*>(QLatin1String(name));
}

// Runs action once the box's modal loop is running, then returns the loop's result.
int execWith(TarqMessageBox& box, const std::function<void()>& action)
{
    QTimer::singleShot(0, &box, action);
    return box.exec();
}

} // namespace

class TestMessageBox : public QObject
{
    Q_OBJECT

private slots:
    void init() { setDisplayScaleFactor(1.0); }

    void questionIsAcceptedOnlyThroughYes_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("result");
        QTest::newRow("Yes") << "yes" << int(QDialog::Accepted);
        QTest::newRow("No") << "no" << int(QDialog::Rejected);
        QTest::newRow("Escape") << "escape" << int(QDialog::Rejected);
        QTest::newRow("window close") << "close" << int(QDialog::Rejected);
        QTest::newRow("Enter") << "enter" << int(QDialog::Rejected);
    }

    void questionIsAcceptedOnlyThroughYes()
    {
        QFETCH(QString, how);
        QFETCH(int, result);
        TarqMessageBox box(1, QString(), "Warning", "Are you sure you want reset this profile?");
        const int returned = execWith(box, [&] {
            if (how == "yes") {
                QTest::mouseClick(button(box, "msgBoxYesBtn"), Qt::LeftButton);
            } else if (how == "no") {
                QTest::mouseClick(button(box, "msgBoxNoBtn"), Qt::LeftButton);
            } else if (how == "escape") {
                QTest::keyClick(&box, Qt::Key_Escape);
            } else if (how == "enter") {
                QTest::keyClick(&box, Qt::Key_Return);
                if (box.isVisible())
                    box.close();
            } else {
                box.close();
            }
        });
        QCOMPARE(returned, result);
    }

    void buttonsActOnRelease()
    {
        TarqMessageBox box(1, QString(), "Warning", "text");
        box.show();
        QTest::mousePress(button(box, "msgBoxYesBtn"), Qt::LeftButton);
        QVERIFY(box.isVisible());
        QTest::mouseRelease(button(box, "msgBoxYesBtn"), Qt::LeftButton);
        QVERIFY(!box.isVisible());
        QCOMPARE(box.result(), int(QDialog::Accepted));
    }

    void kindsShowTheirButtonsAndTexts_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("acceptText");
        QTest::addColumn<bool>("hasNo");
        QTest::newRow("question") << 1 << "Yes" << true;
        QTest::newRow("warning") << 2 << "Ok" << false;
        QTest::newRow("information") << 3 << "Ok" << false;
        QTest::newRow("dongle") << 4 << "Ok" << false;
    }

    void kindsShowTheirButtonsAndTexts()
    {
        QFETCH(int, kind);
        QFETCH(QString, acceptText);
        QFETCH(bool, hasNo);
        TarqMessageBox box(kind, QString(), "Warning", "Dongle Disconnect!");
        QCOMPARE(button(box, "msgBoxYesBtn")->text(), acceptText);
        QCOMPARE(button(box, "msgBoxNoBtn") != nullptr, hasNo);
        QCOMPARE(box.findChild<QLabel*>("msgBoxInfoLabel1")->text(), QString("Dongle Disconnect!"));
        QCOMPARE(box.findChild<QLabel*>("msgBoxInfoLabel2")->text(), QString("Warning"));
        QCOMPARE(button(box, "msgBoxYesBtn")->focusPolicy(), Qt::NoFocus);
    }

    void sizeFollowsTheScaleFactor_data()
    {
        QTest::addColumn<double>("factor");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("textPixels");
        QTest::newRow("1.0") << 1.0 << QSize(478, 309) << 14;
        QTest::newRow("1.25") << 1.25 << QSize(598, 386) << 17;
        QTest::newRow("2.0") << 2.0 << QSize(956, 618) << 28;
    }

    void sizeFollowsTheScaleFactor()
    {
        QFETCH(double, factor);
        QFETCH(QSize, size);
        QFETCH(int, textPixels);
        setDisplayScaleFactor(factor);
        TarqMessageBox box(2, QString(), "Warning", "text");
        QCOMPARE(box.size(), size);
        const QFont font = box.findChild<QLabel*>("msgBoxInfoLabel1")->font();
        QCOMPARE(font.pixelSize(), textPixels);
        QCOMPARE(font.weight(), 75);
    }

    void plugInWatchClosesTheBoxSoonAfterTheDeviceOpens()
    {
        FakeMainWindow window;
        TarqMessageBox box(4, QString(), "Warning", "Dongle Disconnect!", &window, true);
        QElapsedTimer clock;
        QTimer::singleShot(150, &window, [&] {
            QVERIFY(box.isVisible()); // nothing opened yet: the box waits
            window.m_open = true;
            clock.start();
        });
        QCOMPARE(box.exec(), int(QDialog::Accepted));
        QVERIFY(box.isClosing());
        QVERIFY2(clock.elapsed() < 250, qPrintable(QString::number(clock.elapsed())));
    }

    void boxWithoutWatchIgnoresAnOpenedDevice()
    {
        FakeMainWindow window;
        window.m_open = true;
        TarqMessageBox box(4, QString(), "Warning", "Dongle Disconnect!", &window, false);
        box.show();
        QTest::qWait(250);
        QVERIFY(box.isVisible());
        QVERIFY(!box.isClosing());
    }

    void textsAreTranslated()
    {
        QTranslator german;
        QVERIFY(german.load(QCoreApplication::applicationDirPath() + "/lang/mousecfg_de.qm"));
        QCoreApplication::installTranslator(&german);
        TarqMessageBox box(1, QString(), "Warning", "Send data failed, please try again.");
        QCoreApplication::removeTranslator(&german);
        QCOMPARE(button(box, "msgBoxYesBtn")->text(), QString("Ja"));
        QCOMPARE(button(box, "msgBoxNoBtn")->text(), QString("Nein"));
        QCOMPARE(box.findChild<QLabel*>("msgBoxInfoLabel2")->text(), QString("Warnung"));
        QCOMPARE(box.findChild<QLabel*>("msgBoxInfoLabel1")->text(),
                 QString("Senden fehlgeschlagen, bitte erneut versuchen."));
    }
};

QTEST_MAIN(TestMessageBox)
#include "test_message_box.moc"
