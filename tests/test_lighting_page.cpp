// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/display_scale.h"
#include "controls/labels_menus.h"
#include "controls/push_button.h"
#include "controls/sliders.h"
#include "controls/translator.h"
#include "pages/color_areas.h"
#include "pages/color_editor.h"
#include "pages/lighting_page.h"
#include "storage/paths.h"
#include "storage/product_description.h"
#include "storage/profile_record.h"
#include "storage_sandbox.h"

#include <QCheckBox>
#include <QDir>
#include <QFontMetrics>
#include <QSettings>
#include <QtTest>

namespace {

constexpr int kSlot = 2;
const QSize kPageSize(664, 199);

QAction* menuEntry(const TarqMenu* menu, const QString& text)
{
    for (QAction* action : menu->actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

// Picks an effect the way a user does: the button opens the menu, a click picks the entry.
void chooseEffect(TarqColorWindow& page, const QString& name)
{
    QTest::mouseClick(page.effectButton(), Qt::LeftButton);
    TarqMenu* menu = page.effectMenu();
    QTRY_VERIFY(menu->isVisible());
    QAction* entry = menuEntry(menu, name);
    QVERIFY2(entry, qPrintable(name));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
    QTRY_VERIFY(!menu->isVisible());
}

} // namespace

class TestLightingPage : public QObject
{
    Q_OBJECT

private:
    QScopedPointer<StorageSandbox> m_sandbox;
    ConfigRecord m_config;

    ProfileRecord& profile() { return m_config.profiles[size_t(kSlot)]; }

    void showPage(TarqColorWindow& page)
    {
        page.resize(scaled(kPageSize.width()), scaled(kPageSize.height()));
        page.showProfile(profile(), m_config, 1);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
    }

    void installCatalogues()
    {
        QVERIFY(QDir(m_sandbox->appPath()).mkpath("lang"));
        for (const QString base : { "mousecfg_en", "mousecfg_de", "mousecfg_zh_CN" })
            QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + "/lang/" + base + ".qm",
                                m_sandbox->path("lang/" + base + ".qm")));
    }

private slots:
    void init()
    {
        setDisplayScaleFactor(1.0);
        m_sandbox.reset(new StorageSandbox);
        QVERIFY(m_sandbox->isValid());
        m_config = ConfigRecord();
        makeDefaultConfiguration(m_config);
        for (int i = 0; i < kLedEffectCount; ++i) {
            LedEffectSetting& effect = profile().ledEffects[size_t(i)];
            effect.RGB = QColor(i * 10, 100, 200 - i);
            effect.bright = 2;
            effect.breath = 3;
        }
        profile().LedMode = 1;
        profile().LedSleepTime = 4;
        profile().LedMoveOFF = 0;
    }

    void effectsShowTheirControls_data()
    {
        QTest::addColumn<QString>("effect");
        QTest::addColumn<bool>("brightness");
        QTest::addColumn<bool>("speed");
        QTest::addColumn<bool>("colour");
        QTest::newRow("off hides everything") << "OFF" << false << false << false;
        QTest::newRow("full lighted") << "FULL LIGHTED" << true << false << true;
        QTest::newRow("breathing") << "BREATHING" << false << true << true;
        QTest::newRow("7 colour breathing") << "7 COLOR BREATHING" << false << true << false;
        QTest::newRow("reactive") << "REACTIVE" << true << false << false;
        QTest::newRow("marbles") << "Marbles" << true << true << false;
    }

    void effectsShowTheirControls()
    {
        QFETCH(QString, effect);
        QFETCH(bool, brightness);
        QFETCH(bool, speed);
        QFETCH(bool, colour);
        TarqColorWindow page;
        profile().LedMode = 13;
        showPage(page);
        const QRect brightnessPlace = page.brightnessSlider()->geometry();
        const QRect brightnessLabelPlace = page.brightnessLabel()->geometry();
        chooseEffect(page, effect);
        QCOMPARE(page.effectButton()->text(), effect);
        QCOMPARE(page.brightnessSlider()->isVisible(), brightness);
        QCOMPARE(page.brightnessLabel()->isVisible(), brightness);
        QCOMPARE(page.speedSlider()->isVisible(), speed);
        QCOMPARE(page.speedLabel()->isVisible(), speed);
        QCOMPARE(page.colorSwatch()->isVisible(), colour);
        QCOMPARE(page.colorLabel()->isVisible(), colour);
        if (speed && !brightness) {
            QCOMPARE(page.speedSlider()->geometry(), brightnessPlace);
            QCOMPARE(page.speedLabel()->geometry(), brightnessLabelPlace);
        }
        const QStringList offered = [&] {
            QStringList texts;
            for (const QAction* action : page.effectMenu()->actions())
                texts << action->text();
            return texts;
        }();
        QCOMPARE(offered, QStringList({ "FULL LIGHTED", "BREATHING", "7 COLOR BREATHING", "RAINBOW", "WAVE", "REACTIVE",
                                        "GO WITHOUT TRACE", "yo-yo", "Marbles", "OFF" }));
    }

    void effectsTheMenuDoesNotOfferAreShown()
    {
        profile().LedMode = 5;
        TarqColorWindow page;
        showPage(page);
        QCOMPARE(page.effectButton()->text(), QStringLiteral("FLASH"));
        QVERIFY(!menuEntry(page.effectMenu(), "FLASH"));
        QVERIFY(page.brightnessSlider()->isVisible());
        QVERIFY(page.speedSlider()->isVisible());
        // The mouse reports another effect; an unknown one changes nothing.
        page.showLightMode(8);
        QCOMPARE(profile().LedMode, quint8(8));
        QCOMPARE(page.effectButton()->text(), QStringLiteral("Raindrop"));
        page.showLightMode(14);
        QCOMPARE(profile().LedMode, quint8(8));
        QCOMPARE(page.effectButton()->text(), QStringLiteral("Raindrop"));
    }

    void moveToLightOff()
    {
        profile().LedMoveOFF = 255;
        TarqColorWindow page;
        showPage(page);
        QCheckBox* check = page.moveOffCheckBox();
        QVERIFY(!check->isChecked());
        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(scaled(8), check->height() / 2));
        QCOMPARE(profile().LedMoveOFF, quint8(0));
        check->setFocus();
        QTest::keyClick(check, Qt::Key_Space);
        QCOMPARE(profile().LedMoveOFF, quint8(255));
    }

    void productWithoutSleepHidesItsControls()
    {
        QSettings(productDescriptionPath(), QSettings::IniFormat).setValue("PROFILE/ShowSleep", 0);
        TarqColorWindow page;
        showPage(page);
        for (QWidget* widget :
             { static_cast<QWidget*>(page.sleepLabel()), static_cast<QWidget*>(page.sleepSlider()),
               static_cast<QWidget*>(page.sleepValueLabel()), static_cast<QWidget*>(page.moveOffCheckBox()) }) {
            QVERIFY(!widget->isVisible());
            QVERIFY(widget->geometry().isEmpty());
        }
    }

    void colourEditorStoresOnlyOnOk()
    {
        TarqColorWindow page;
        showPage(page);
        const QColor before = profile().ledEffects[1].RGB;
        QTest::mouseClick(page.colorSwatch(), Qt::LeftButton);
        TarqColorArea* editor = page.colorEditor();
        QVERIFY(editor);
        QTRY_VERIFY(editor->isVisible());
        QCOMPARE(editor->color(), before);
        QTest::mouseClick(editor->presets().last(), Qt::LeftButton);
        QTest::mouseClick(editor->cancelButton(), Qt::LeftButton);
        QTRY_VERIFY(!page.colorEditor());
        QCOMPARE(profile().ledEffects[1].RGB, before);
        QCOMPARE(page.colorSwatch()->color(), before);

        page.colorSwatch()->setFocus();
        QTest::keyClick(page.colorSwatch(), Qt::Key_Space);
        editor = page.colorEditor();
        QVERIFY(editor);
        QTest::mouseClick(editor->presets().last(), Qt::LeftButton);
        QTest::mouseClick(editor->okButton(), Qt::LeftButton);
        QTRY_VERIFY(!page.colorEditor());
        QCOMPARE(profile().ledEffects[1].RGB, QColor(Qt::white));
        QCOMPARE(page.colorSwatch()->color(), QColor(Qt::white));
    }

    void editsTouchOnlyTheirFields()
    {
        const ConfigRecord original = m_config;
        TarqColorWindow page;
        showPage(page);
        chooseEffect(page, "RAINBOW");
        page.brightnessSlider()->setFocus();
        QTest::keyClick(page.brightnessSlider(), Qt::Key_Right);
        page.speedSlider()->setFocus();
        QTest::keyClick(page.speedSlider(), Qt::Key_Left);
        page.sleepSlider()->setFocus();
        QTest::keyClick(page.sleepSlider(), Qt::Key_Right);
        QCOMPARE(page.sleepValueLabel()->text(), QStringLiteral("5 MINUTES"));
        QTest::mouseClick(page.moveOffCheckBox(), Qt::LeftButton, {},
                          QPoint(scaled(8), page.moveOffCheckBox()->height() / 2));

        ConfigRecord expected = original;
        ProfileRecord& edited = expected.profiles[size_t(kSlot)];
        edited.LedMode = 4;
        edited.ledEffects[4].bright = 3;
        edited.ledEffects[4].breath = 2;
        edited.LedSleepTime = 5;
        edited.LedMoveOFF = 255;
        QCOMPARE(profile().LedMode, edited.LedMode);
        QCOMPARE(profile().ledEffects[4].bright, edited.ledEffects[4].bright);
        QCOMPARE(profile().ledEffects[4].breath, edited.ledEffects[4].breath);
        QCOMPARE(profile().LedSleepTime, edited.LedSleepTime);
        QCOMPARE(profile().LedMoveOFF, edited.LedMoveOFF);
        for (int i = 0; i < kLedEffectCount; ++i)
            QVERIFY2(profile().ledEffects[size_t(i)] == edited.ledEffects[size_t(i)], qPrintable(QString::number(i)));
        QVERIFY(m_config == expected);
    }

    void everyEffectNameFitsItsButton_data()
    {
        QTest::addColumn<double>("factor");
        QTest::addColumn<int>("language");
        for (const double factor : { 1.0, 2.0 })
            for (int language = 0; language < 3; ++language)
                QTest::addRow("%.1f %d", factor, language) << factor << language;
    }

    // The window's screenshot test sees only the effect shown; every other name must fit too.
    void everyEffectNameFitsItsButton()
    {
        QFETCH(double, factor);
        QFETCH(int, language);
        installCatalogues();
        TarqTranslator translator;
        translator.startUp();
        QVERIFY(translator.switchTo(language));
        setDisplayScaleFactor(factor);
        TarqColorWindow page;
        page.retranslate();
        showPage(page);
        const QFontMetrics metrics(uiFont());
        for (int mode = 0; mode < kLedEffectCount; ++mode) {
            const QString name = TarqColorWindow::tr(TarqColorWindow::effectName(mode));
            const int needed = metrics.horizontalAdvance(name) + 4;
            QVERIFY2(needed <= page.effectButton()->width(), qPrintable(QStringLiteral("\"%1\" needs %2 px, has %3")
                                                                            .arg(name)
                                                                            .arg(needed)
                                                                            .arg(page.effectButton()->width())));
        }
        translator.switchTo(0);
        setDisplayScaleFactor(1.0);
    }

    void sleepTimeTakesTheLanguagesPluralForm_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("one");
        QTest::addColumn<QString>("five");
        QTest::newRow("en") << 0 << "1 MINUTE"
                            << "5 MINUTES";
        QTest::newRow("de") << 1 << "1 MINUTE"
                            << "5 MINUTEN";
        QTest::newRow("zh") << 2 << QString::fromUtf8("1 分钟") << QString::fromUtf8("5 分钟");
    }

    void sleepTimeTakesTheLanguagesPluralForm()
    {
        QFETCH(int, language);
        QFETCH(QString, one);
        QFETCH(QString, five);
        installCatalogues();
        TarqTranslator translator;
        translator.startUp();
        QVERIFY(translator.switchTo(language));
        profile().LedSleepTime = 1;
        TarqColorWindow page;
        page.retranslate();
        showPage(page);
        QCOMPARE(page.sleepValueLabel()->text(), one);
        page.sleepSlider()->setFocus();
        for (int minutes = 1; minutes < 5; ++minutes)
            QTest::keyClick(page.sleepSlider(), Qt::Key_Right);
        QCOMPARE(page.sleepValueLabel()->text(), five);
        translator.switchTo(0);
    }
};

QTEST_MAIN(TestLightingPage)
#include "test_lighting_page.moc"
