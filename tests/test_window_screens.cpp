#include "app/mousecfg_widget.h"
#include "controls/display_scale.h"
#include "controls/labels_menus.h"
#include "controls/message_box.h"
#include "controls/progress.h"
#include "controls/push_button.h"
#include "storage/languages.h"
#include "window_sandbox.h"

#include <QDir>
#include <QFontMetrics>
#include <QTest>

namespace {

QString screensDirectory()
{
    const QString forced = qEnvironmentVariable("MOUSECFG_SCREENS_DIR");
    const QString folder =
        forced.isEmpty() ? QCoreApplication::applicationDirPath() + QStringLiteral("/../screens") : forced;
    QDir().mkpath(folder);
    return QDir(folder).absolutePath();
}

const char* const kTabNames[] = { "lighting", "customize", "dpi", "macro" };
const char* const kLanguageNames[] = { "en", "de", "zh" };

// Every text a button shows must fit inside it, in every language and at every scale.
void verifyTextsFit(const QWidget& window, const QString& where)
{
    const QFontMetrics metrics(uiFont());
    for (const TarqPushButton* button : window.findChildren<TarqPushButton*>()) {
        if (!button->isVisibleTo(&window) || button->text().isEmpty())
            continue;
        const int needed = metrics.horizontalAdvance(button->text());
        QVERIFY2(needed <= button->width() - 4,
                 qPrintable(QStringLiteral("%1: \"%2\" needs %3 px, has %4")
                                .arg(where, button->text())
                                .arg(needed)
                                .arg(button->width())));
    }
}

} // namespace

class TestWindowScreens : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void everyTabInEveryLanguage_data();
    void everyTabInEveryLanguage();
    void warningAndProgress_data();
    void warningAndProgress();
};

void TestWindowScreens::cleanup()
{
    qunsetenv("MOUSECFG_SCALE_FACTOR");
}

void TestWindowScreens::everyTabInEveryLanguage_data()
{
    QTest::addColumn<QString>("scale");
    QTest::addColumn<int>("language");
    for (const char* scale : { "1.0", "2.0" })
        for (int language = 0; language < 3; ++language)
            QTest::addRow("%s %s", scale, kLanguageNames[language]) << QString::fromLatin1(scale) << language;
}

void TestWindowScreens::everyTabInEveryLanguage()
{
    QFETCH(QString, scale);
    QFETCH(int, language);
    qputenv("MOUSECFG_SCALE_FACTOR", scale.toLatin1());
    WindowSandbox sandbox;
    QVERIFY(sandbox.isValid());
    QVERIFY(saveChosenLanguage(language));
    sandbox.mouse().plug(MouseLink::Receiver);
    auto window = sandbox.makeWindow();
    QCOMPARE(window->scaleFactor(), scale.toDouble());
    QCOMPARE(window->size(), QSize(qRound(999 * scale.toDouble()), qRound(640 * scale.toDouble())));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QTRY_COMPARE(window->batteryPercentShown(), 70);
    for (int tab = 0; tab < 4; ++tab) {
        window->selectTab(tab);
        const QString name = QStringLiteral("window-%1-%2-%3").arg(QLatin1String(kTabNames[tab]), scale,
                                                                   QLatin1String(kLanguageNames[language]));
        verifyTextsFit(*window, name);
        QVERIFY(window->grab().save(screensDirectory() + QLatin1Char('/') + name + QStringLiteral(".png")));
    }
}

void TestWindowScreens::warningAndProgress_data()
{
    QTest::addColumn<QString>("scale");
    QTest::newRow("1.0") << QStringLiteral("1.0");
    QTest::newRow("2.0") << QStringLiteral("2.0");
}

void TestWindowScreens::warningAndProgress()
{
    QFETCH(QString, scale);
    qputenv("MOUSECFG_SCALE_FACTOR", scale.toLatin1());
    WindowSandbox sandbox;
    QVERIFY(sandbox.isValid());
    auto window = sandbox.makeWindow();
    QTRY_VERIFY(visibleMessageBox());
    TarqMessageBox* box = visibleMessageBox();
    QVERIFY(box->grab().save(screensDirectory() + QStringLiteral("/dongle-disconnect-%1.png").arg(scale)));

    TarqProcessDialog progress(window.get());
    progress.show();
    QVERIFY(QTest::qWaitForWindowExposed(&progress));
    QTRY_VERIFY(progress.progressStep() > 0);
    QVERIFY(progress.grab().save(screensDirectory() + QStringLiteral("/progress-%1.png").arg(scale)));
    progress.slotProcessDlg();
}

QTEST_MAIN(TestWindowScreens)
#include "test_window_screens.moc"
