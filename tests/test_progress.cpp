#include "controls/display_scale.h"
#include "controls/progress.h"

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
};

QTEST_MAIN(TestProgress)
#include "test_progress.moc"
