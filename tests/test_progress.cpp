// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/display_scale.h"
#include "controls/progress.h"
#include "language_scale_rows.h"
#include "scoped_language.h"

#include <QFontMetrics>
#include <QMovie>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

class TestProgress : public QObject
{
    Q_OBJECT

private slots:
    void init() { setDisplayScaleFactor(1.0); }

    void onlyTheSendingThreadsSignalClosesTheDialog()
    {
        TarqProcessDialog dialog;
        QTimer::singleShot(50, &dialog, [&] {
            QTest::keyClick(&dialog, Qt::Key_Escape);
            dialog.close();
            dialog.reject();
            QVERIFY(dialog.isVisible()); // the upload still reads the configuration
        });
        QTimer::singleShot(150, &dialog, &TarqProcessDialog::slotProcessDlg);
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
    }

    void progressAdvancesWhileShownAndAnimates()
    {
        TarqProcessDialog dialog;
        QVERIFY(dialog.isModal());
        QVERIFY(dialog.movie()->isValid());
        dialog.show();
        QTRY_VERIFY_WITH_TIMEOUT(dialog.progressStep() >= 3, 1000);
        QCOMPARE(dialog.movie()->state(), QMovie::Running);
        dialog.slotProcessDlg();
        const int stopped = dialog.progressStep();
        QTest::qWait(250);
        QCOMPARE(dialog.progressStep(), stopped);
    }

    void barTextReplacesThePercentage()
    {
        TarqProcessbar bar;
        bar.setRange(0, 100);
        bar.setValue(40);
        QCOMPARE(bar.text(), QString("40%"));
        bar.setBarText("MOUSE OFF");
        QCOMPARE(bar.text(), QString("MOUSE OFF"));
        bar.setBarText(QString());
        QCOMPARE(bar.text(), QString("40%"));
    }

    // The battery bar of a sleeping mouse: its 64 × 21 design pixels, the percentage's bold 16 px.
    void mouseOffFitsTheBatteryBar_data() { addLanguageAndScaleRows(); }

    void mouseOffFitsTheBatteryBar()
    {
        QFETCH(QString, language);
        QFETCH(double, factor);
        ScopedLanguage scoped(language);
        QVERIFY(scoped.isLoaded());
        setDisplayScaleFactor(factor);
        TarqProcessbar bar;
        bar.resize(scaled(64), scaled(21));
        bar.setStyleSheet(QStringLiteral("QProgressBar{font:bold %1px;}").arg(qRound(16 * factor)));
        bar.setTextVisible(false);
        const QString text = QCoreApplication::translate("MousecfgWidget", "MOUSE OFF");
        QVERIFY(language == "en" || text != "MOUSE OFF");
        bar.setBarText(text);
        bar.ensurePolished();
        const FittedText shown = bar.shownText();
        QCOMPARE(shown.text, text);
        QVERIFY(!shown.elided);
        QVERIFY(shown.font.bold());
        QVERIFY(QFontMetrics(shown.font).horizontalAdvance(shown.text) <= shown.width);
        QVERIFY(shown.width < bar.width());
    }

    // Without a compositor the transparent rounded corners would be black.
    void dialogCornersAreCutAwayFromTheWindow()
    {
        TarqProcessDialog dialog;
        const QRegion mask = dialog.mask();
        QVERIFY(!mask.isEmpty());
        QVERIFY(!mask.contains(QPoint(0, 0)));
        QVERIFY(!mask.contains(QPoint(dialog.width() - 1, dialog.height() - 1)));
        QVERIFY(mask.contains(dialog.rect().center()));
        QVERIFY(mask.contains(QPoint(dialog.width() / 2, dialog.height() - 2)));
    }
};

QTEST_MAIN(TestProgress)
#include "test_progress.moc"
