#include "controls/display_scale.h"
#include "controls/push_button.h"
#include "pages/color_areas.h"
#include "pages/color_editor.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>

class TestColorEditor : public QObject
{
    Q_OBJECT

private slots:
    void init() { setDisplayScaleFactor(1.0); }
    void cleanupTestCase() { setDisplayScaleFactor(1.0); }

    void hueOf360IsHueZero()
    {
        TarqColorArea editor;
        editor.setColor(QColor::fromHsv(120, 200, 180));
        editor.hueBox()->setValue(360);
        const QColor at360 = editor.color();
        editor.hueBox()->setValue(0);
        QCOMPARE(editor.color(), at360);
        QCOMPARE(editor.color(), QColor::fromHsv(0, 200, 180));
        // The arrow keys step the box and the colour follows.
        QTest::keyClick(editor.hueBox(), Qt::Key_Up);
        QCOMPARE(editor.hue(), 1);
        QCOMPARE(editor.color(), QColor::fromHsv(1, 200, 180));
    }

    void squareTopRightCornerIsFullSaturationAndValue_data()
    {
        QTest::addColumn<double>("factor");
        QTest::newRow("1.0") << 1.0;
        QTest::newRow("2.0") << 2.0;
    }

    void squareTopRightCornerIsFullSaturationAndValue()
    {
        QFETCH(double, factor);
        setDisplayScaleFactor(factor);
        TarqColorArea editor;
        editor.setColor(QColor(0, 0, 80));
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        SVColorArea* square = editor.saturationValueSquare();
        QCOMPARE(square->width() - 1, int(128 * factor));
        QTest::mousePress(square, Qt::LeftButton, {}, QPoint(square->width() - 1, 0));
        QCOMPARE(editor.saturationBox()->value(), 255);
        QCOMPARE(editor.valueBox()->value(), 255);
        QCOMPARE(editor.color(), QColor::fromHsv(240, 255, 255));
        QCOMPARE(editor.hexEdit()->text(), QStringLiteral("0000FF"));
        QTest::mouseRelease(square, Qt::LeftButton, {}, QPoint(square->width() - 1, 0));
        // The bottom-left corner is black.
        QTest::mousePress(square, Qt::LeftButton, {}, QPoint(0, square->height() - 1));
        QCOMPARE(editor.valueBox()->value(), 0);
        QCOMPARE(editor.hexEdit()->text(), QStringLiteral("000000"));
    }

    void hueStripDrivesTheSquareAndTheBoxes()
    {
        TarqColorArea editor;
        editor.setColor(QColor(255, 0, 0));
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        HColorArea* strip = editor.hueStrip();
        QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(2, strip->height() / 2));
        QCOMPARE(editor.hueBox()->value(), 180);
        QCOMPARE(editor.redBox()->value(), 0);
        QCOMPARE(editor.greenBox()->value(), editor.blueBox()->value());
        QVERIFY(editor.greenBox()->value() >= 254);
    }

    void whitePresetSetsEveryChannel()
    {
        TarqColorArea editor;
        editor.setColor(QColor(10, 20, 30));
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        QSignalSpy changed(&editor, &TarqColorArea::TarqChangeColor);
        DefaultColorArea* white = editor.presets().last();
        QCOMPARE(white->accessibleName(), QStringLiteral("White preset"));
        QTest::mouseClick(white, Qt::LeftButton);
        QCOMPARE(editor.redBox()->value(), 255);
        QCOMPARE(editor.greenBox()->value(), 255);
        QCOMPARE(editor.blueBox()->value(), 255);
        QCOMPARE(editor.saturationBox()->value(), 0);
        QCOMPARE(editor.hexEdit()->text(), QStringLiteral("FFFFFF"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).value<QColor>(), QColor(Qt::white));
        // Space on a preset chooses it as well.
        editor.presets().at(1)->setFocus();
        QTest::keyClick(editor.presets().at(1), Qt::Key_Space);
        QCOMPARE(editor.color(), QColor(0, 255, 0));
    }

    void hexEntry_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("empty becomes black") << QString() << "000000" << QColor(0, 0, 0);
        QTest::newRow("short entry filled on the right") << "FF8"
                                                         << "FF8000" << QColor(255, 128, 0);
        QTest::newRow("lower case") << "0a141f"
                                    << "0A141F" << QColor(10, 20, 31);
        QTest::newRow("other characters refused") << "12zz34"
                                                  << "123400" << QColor(0x12, 0x34, 0);
    }

    void hexEntry()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QColor, colour);
        TarqColorArea editor;
        editor.setColor(QColor(200, 100, 50));
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        QLineEdit* hex = editor.hexEdit();
        hex->setFocus();
        hex->selectAll();
        QTest::keyClick(hex, Qt::Key_Backspace);
        QTest::keyClicks(hex, typed);
        QCOMPARE(editor.color(), colour);   // while typing
        editor.saturationBox()->setFocus(); // editing finishes
        QCOMPARE(hex->text(), shown);
        QCOMPARE(editor.color(), colour);
        QCOMPARE(editor.redBox()->value(), colour.red());
        QCOMPARE(editor.blueBox()->value(), colour.blue());
    }

    void oneChangeUpdatesEachControlOnce()
    {
        TarqColorArea editor;
        editor.setColor(QColor(10, 20, 31));
        // An unchanged colour comes back exactly, though the controls hold it as HSV.
        QCOMPARE(editor.color(), QColor(10, 20, 31));
        QSignalSpy red(editor.redBox(), qOverload<int>(&QSpinBox::valueChanged));
        QSignalSpy hue(editor.hueBox(), qOverload<int>(&QSpinBox::valueChanged));
        QSignalSpy hex(editor.hexEdit(), &QLineEdit::textChanged);
        QTest::keyClick(editor.greenBox(), Qt::Key_Up);
        QCOMPARE(editor.color(), QColor(10, 21, 31));
        QCOMPARE(red.count(), 0);
        QCOMPARE(hue.count(), 1);
        QCOMPARE(hex.count(), 1);
        QCOMPARE(editor.hexEdit()->text(), QStringLiteral("0A151F"));
    }

    void okAcceptsAndCancelRejects()
    {
        TarqColorArea editor;
        editor.open();
        QSignalSpy finished(&editor, &QDialog::finished);
        QTest::mouseClick(editor.okButton(), Qt::LeftButton);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).toInt(), 1);
        editor.open();
        QTest::mouseClick(editor.cancelButton(), Qt::LeftButton);
        QCOMPARE(finished.count(), 2);
        QCOMPARE(finished.at(1).at(0).toInt(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(TestColorEditor)
#include "test_color_editor.moc"
