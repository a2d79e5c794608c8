// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/skin_dialog.h"
#include "controls/device_open_source.h"
#include "controls/display_scale.h"
#include "controls/message_box.h"
#include "controls/skin_catalogue.h"
#include "controls/text_label.h"
#include "language_scale_rows.h"
#include "long_texts.h"
#include "scoped_language.h"
#include "screens_directory.h"

#include <QApplication>
#include <QBitmap>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QLabel>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <QTranslator>
#include <QtTest>
#include <memory>

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

// Presses the keys, each on whatever has the focus then, once the box's loop runs; a box still
// open afterwards is closed, which refuses it. Returns the box's result.
int answerWithKeys(TarqMessageBox& box, const QList<int>& keys)
{
    QTimer::singleShot(0, &box, [&box, keys] {
        for (int key : keys) {
            if (!box.isVisible())
                return;
            QWidget* target = box.focusWidget() ? box.focusWidget() : &box;
            QTest::keyClick(target, Qt::Key(key));
        }
        if (box.isVisible())
            box.done(-1);
    });
    return box.exec();
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

    void questionIsAnsweredByItsButtons_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("result");
        QTest::newRow("Yes") << "yes" << int(QDialog::Accepted);
        QTest::newRow("No") << "no" << int(QDialog::Rejected);
        QTest::newRow("Escape") << "escape" << int(QDialog::Rejected);
        QTest::newRow("window close") << "close" << int(QDialog::Rejected);
        QTest::newRow("Enter") << "enter" << int(QDialog::Accepted);
    }

    void questionIsAnsweredByItsButtons()
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

    void keysAnswerTheQuestion_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("result");
        QTest::newRow("Return on the default Yes") << QList<int>{ Qt::Key_Return } << int(QDialog::Accepted);
        QTest::newRow("keypad Enter") << QList<int>{ Qt::Key_Enter } << int(QDialog::Accepted);
        QTest::newRow("Escape refuses") << QList<int>{ Qt::Key_Escape } << int(QDialog::Rejected);
        QTest::newRow("Tab to No, Return") << QList<int>{ Qt::Key_Tab, Qt::Key_Return } << int(QDialog::Rejected);
        QTest::newRow("Tab wraps back to Yes")
            << QList<int>{ Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return } << int(QDialog::Accepted);
        QTest::newRow("Backtab wraps to No") << QList<int>{ Qt::Key_Backtab, Qt::Key_Return } << int(QDialog::Rejected);
        QTest::newRow("Left wraps to No") << QList<int>{ Qt::Key_Left, Qt::Key_Return } << int(QDialog::Rejected);
        QTest::newRow("Right, Down back to Yes")
            << QList<int>{ Qt::Key_Right, Qt::Key_Down, Qt::Key_Return } << int(QDialog::Accepted);
        QTest::newRow("Space presses Yes") << QList<int>{ Qt::Key_Space } << int(QDialog::Accepted);
        QTest::newRow("Space presses the focused No")
            << QList<int>{ Qt::Key_Tab, Qt::Key_Space } << int(QDialog::Rejected);
        QTest::newRow("y") << QList<int>{ Qt::Key_Y } << int(QDialog::Accepted);
        QTest::newRow("n, though Yes has the focus") << QList<int>{ Qt::Key_N } << int(QDialog::Rejected);
        QTest::newRow("another letter does nothing") << QList<int>{ Qt::Key_J } << -1;
    }

    void keysAnswerTheQuestion()
    {
        QFETCH(QList<int>, keys);
        QFETCH(int, result);
        TarqMessageBox box(TarqMessageBox::Question, QString(), "Warning", "Are you sure you want reset this profile?");
        QCOMPARE(answerWithKeys(box, keys), result);
    }

    void defaultButtonHasTheFocusWhenOpenedOverAHiddenWindow()
    {
        QWidget parent;
        auto* box = new TarqMessageBox(TarqMessageBox::Question, QString(), "Warning", "text", &parent);
        box->setAttribute(Qt::WA_DeleteOnClose);
        QSignalSpy finished(box, &QDialog::finished);
        box->open();
        QTRY_VERIFY(box->isActiveWindow());
        QVERIFY(button(*box, "msgBoxYesBtn")->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).toInt(), int(QDialog::Accepted));
    }

    void lettersFollowTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("result");
        QTest::newRow("en y") << "en" << int(Qt::Key_Y) << int(QDialog::Accepted);
        QTest::newRow("de j") << "de" << int(Qt::Key_J) << int(QDialog::Accepted);
        QTest::newRow("de n") << "de" << int(Qt::Key_N) << int(QDialog::Rejected);
        QTest::newRow("de y is no answer") << "de" << int(Qt::Key_Y) << -1;
        QTest::newRow("zh y is no answer") << "zh_CN" << int(Qt::Key_Y) << -1;
        QTest::newRow("zh n is no answer") << "zh_CN" << int(Qt::Key_N) << -1;
    }

    void lettersFollowTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(int, key);
        QFETCH(int, result);
        ScopedLanguage scoped(language);
        QVERIFY(scoped.isLoaded());
        TarqMessageBox box(TarqMessageBox::Question, QString(), "Warning", "Send data failed, please try again.");
        QCOMPARE(answerWithKeys(box, { key }), result);
    }

    void choiceBoxAnswersByKeys_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("result");
        QTest::newRow("Return on Send") << "en" << QList<int>{ Qt::Key_Return } << int(QDialog::Accepted);
        QTest::newRow("Tab to Discard") << "en" << QList<int>{ Qt::Key_Tab, Qt::Key_Return }
                                        << TarqMessageBox::AlternativeChosen;
        QTest::newRow("Tab twice to Cancel")
            << "en" << QList<int>{ Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space } << int(QDialog::Rejected);
        QTest::newRow("Left wraps to Cancel")
            << "en" << QList<int>{ Qt::Key_Left, Qt::Key_Return } << int(QDialog::Rejected);
        QTest::newRow("Escape is Cancel") << "en" << QList<int>{ Qt::Key_Escape } << int(QDialog::Rejected);
        QTest::newRow("d") << "en" << QList<int>{ Qt::Key_D } << TarqMessageBox::AlternativeChosen;
        QTest::newRow("c") << "en" << QList<int>{ Qt::Key_C } << int(QDialog::Rejected);
        QTest::newRow("de v") << "de" << QList<int>{ Qt::Key_V } << TarqMessageBox::AlternativeChosen;
        QTest::newRow("de a") << "de" << QList<int>{ Qt::Key_A } << int(QDialog::Rejected);
        QTest::newRow("de s") << "de" << QList<int>{ Qt::Key_S } << int(QDialog::Accepted);
    }

    void choiceBoxAnswersByKeys()
    {
        QFETCH(QString, language);
        QFETCH(QList<int>, keys);
        QFETCH(int, result);
        ScopedLanguage scoped(language);
        QVERIFY(scoped.isLoaded());
        TarqMessageBox box(TarqMessageBox::Choice, QString(), "Warning", "Send the changes to the mouse first?");
        box.setChoiceTexts("Send", "Discard", "Cancel");
        QCOMPARE(answerWithKeys(box, keys), result);
    }

    void retryIsOfferedBesideOk_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("result");
        QTest::newRow("Return on Ok") << QList<int>{ Qt::Key_Return } << int(QDialog::Accepted);
        QTest::newRow("Tab to Retry") << QList<int>{ Qt::Key_Tab, Qt::Key_Return } << TarqMessageBox::RetryChosen;
        QTest::newRow("r") << QList<int>{ Qt::Key_R } << TarqMessageBox::RetryChosen;
        QTest::newRow("Escape") << QList<int>{ Qt::Key_Escape } << int(QDialog::Rejected);
    }

    void retryIsOfferedBesideOk()
    {
        QFETCH(QList<int>, keys);
        QFETCH(int, result);
        TarqMessageBox box(TarqMessageBox::Warning, QString(), "Warning", "Send data failed, please try again.");
        box.offerRetry();
        QCOMPARE(button(box, "msgBoxRetryBtn")->text(), QString("Retry"));
        QCOMPARE(answerWithKeys(box, keys), result);
    }

    // Every answer readable in full, side by side, inside the box.
    void buttonsFitWithoutOverlap_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<double>("factor");
        QTest::addColumn<int>("kind");
        for (const char* language : { "en", "de", "zh_CN" }) {
            for (double factor : { 1.0, 1.5, 2.0 }) {
                for (int kind :
                     { int(TarqMessageBox::Question), int(TarqMessageBox::Warning), int(TarqMessageBox::Choice) }) {
                    QTest::addRow("%s %.1f kind %d", language, factor, kind) << language << factor << kind;
                }
            }
        }
    }

    void buttonsFitWithoutOverlap()
    {
        QFETCH(QString, language);
        QFETCH(double, factor);
        QFETCH(int, kind);
        ScopedLanguage scoped(language);
        QVERIFY(scoped.isLoaded());
        setDisplayScaleFactor(factor);
        TarqMessageBox box(kind, QString(), "Warning", "Send data failed, please try again.");
        if (kind == TarqMessageBox::Choice)
            box.setChoiceTexts("Send", "Discard", "Cancel");
        else if (kind == TarqMessageBox::Warning)
            box.offerRetry();
        const QList<QToolButton*> buttons = box.findChildren<QToolButton*>();
        QCOMPARE(buttons.size(), kind == TarqMessageBox::Choice ? 3 : 2);
        for (const QToolButton* one : buttons) {
            QVERIFY2(box.rect().contains(one->geometry()), qPrintable(one->text()));
            QVERIFY2(one->width() >= one->sizeHint().width(), qPrintable(one->text()));
            for (const QToolButton* other : buttons)
                QVERIFY(one == other || !one->geometry().intersects(other->geometry()));
        }
    }

    // A picture to look at: the failed send's box with Ok and Retry.
    void retryBoxScreens_data() { addLanguageAndScaleRows({ 1.0, 2.0 }); }

    void retryBoxScreens()
    {
        QFETCH(QString, language);
        QFETCH(double, factor);
        ScopedLanguage scoped(language);
        QVERIFY(scoped.isLoaded());
        setDisplayScaleFactor(factor);
        TarqMessageBox box(TarqMessageBox::Warning, QString(), "Warning", "Send data failed, please try again.");
        box.offerRetry();
        box.show();
        QTRY_VERIFY(button(box, "msgBoxYesBtn")->hasFocus());
        const QString path =
            QStringLiteral("%1/message_retry_%2_%3.png").arg(screensDirectory(), language).arg(factor, 0, 'f', 1);
        QVERIFY(box.grab().save(path));
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
        QCOMPARE(button(box, "msgBoxYesBtn")->focusPolicy(), Qt::StrongFocus);
        QCOMPARE(box.accessibleName(), QString("Warning"));
        QCOMPARE(box.accessibleDescription(), QString("Dongle Disconnect!"));
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

    void longPathWrapsAtSeparatorsAndShowsEveryCharacter_data() { addLanguageAndScaleRows(); }

    void longPathWrapsAtSeparatorsAndShowsEveryCharacter()
    {
        QFETCH(QString, language);
        QFETCH(double, factor);
        ScopedLanguage scoped(language);
        QVERIFY(scoped.isLoaded());
        setDisplayScaleFactor(factor);
        const QString path = twoHundredCharacterPath();
        QCOMPARE(path.size(), 200);
        const QString text = TarqMessageBox::tr("The profile file %1 cannot be read.").arg(path);
        TarqMessageBox box(TarqMessageBox::Warning, QString(), "Warning", text);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        auto* label = box.findChild<TarqTextLabel*>("msgBoxInfoLabel1");
        QVERIFY(label);
        QVERIFY(box.width() > qRound(478 * factor));
        QVERIFY(box.rect().contains(label->geometry()));
        QVERIFY(!label->isElided());
        const QStringList lines = label->shownLines();
        QCOMPARE(lines.join(QString()), text);
        const QFontMetrics metrics(label->shownFont());
        QVERIFY(lines.size() * metrics.lineSpacing() <= label->contentsRect().height());
        for (const QString& line : lines) {
            QVERIFY2(metrics.horizontalAdvance(line.trimmed()) <= label->contentsRect().width(), qPrintable(line));
            // Inside the path a line ends only at a separator.
            const int at = text.indexOf(line) + line.size();
            const bool insidePath = at > text.indexOf(path) && at < text.indexOf(path) + path.size();
            if (insidePath)
                QVERIFY2(line.endsWith(QLatin1Char('/')), qPrintable(line));
        }
        QCOMPARE(label->text(), text);
        QCOMPARE(box.accessibleDescription(), text);
    }

    // A box never outgrows its limits; what does not fit then ends in "…" with the whole text as tip.
    void boxGrowsUpToItsLimit()
    {
        setDisplayScaleFactor(1.0);
        TarqMessageBox shortBox(TarqMessageBox::Warning, QString(), "Warning", "Dongle Disconnect!");
        QCOMPARE(shortBox.size(), QSize(478, 309));
        QStringList report;
        for (int line = 1; line <= 60; ++line)
            report << QStringLiteral("/home/someone/macros/macro-%1.MSMACRO: the file cannot be read.").arg(line);
        TarqMessageBox box(TarqMessageBox::Warning, QString(), "Warning", report.join(QLatin1Char('\n')));
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QCOMPARE(box.size(), QSize(760, 600));
        auto* label = box.findChild<TarqTextLabel*>("msgBoxInfoLabel1");
        QVERIFY(label->isElided());
        QVERIFY(label->shownLines().last().endsWith(QChar(0x2026)));
        const QPoint inside = label->rect().center();
        QHelpEvent event(QEvent::ToolTip, inside, label->mapToGlobal(inside));
        QApplication::sendEvent(label, &event);
        QVERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), label->text());
        QToolTip::hideText();
    }

    // Without a compositor the transparent rounded corners would be black: the window is cut to the
    // drawn frame, also when the box has grown, and so are the button page's dialogs.
    void cornersAreCutAwayFromTheWindow_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("design size") << "Dongle Disconnect!";
        QTest::newRow("grown") << QString("The profile file %1 cannot be read.").arg(twoHundredCharacterPath());
        QTest::newRow("button dialog") << QString();
    }

    void cornersAreCutAwayFromTheWindow()
    {
        QFETCH(QString, text);
        std::unique_ptr<QDialog> dialog;
        if (text.isEmpty())
            dialog = std::make_unique<TarqSkinDialog>(QLatin1String(Skin::Dialog), QSize(478, 309), nullptr);
        else
            dialog = std::make_unique<TarqMessageBox>(TarqMessageBox::Warning, QString(), "Warning", text);
        const QRegion mask = dialog->mask();
        const int right = dialog->width() - 1;
        const int bottom = dialog->height() - 1;
        QVERIFY(!mask.isEmpty());
        for (const QPoint corner : { QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom) })
            QVERIFY(!mask.contains(corner));
        for (const QPoint edge :
             { QPoint(right / 2, 1), QPoint(1, bottom / 2), QPoint(right / 2, bottom - 1), dialog->rect().center() })
            QVERIFY(mask.contains(edge));
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
