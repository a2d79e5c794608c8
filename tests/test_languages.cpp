// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/display_scale.h"
#include "controls/texts.h"
#include "controls/translator.h"
#include "storage/languages.h"
#include "storage/paths.h"
#include "storage/system_language.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

namespace {

struct Language
{
    QString name;
    QString file;
    QString font;
    int size;
};

const QList<Language> kShipped = {
    { "English", "mousecfg_en", "DejaVu Sans", 12 },
    { "Deutsch", "mousecfg_de", "DejaVu Sans", 12 },
    { QString::fromUtf8("简体中文"), "mousecfg_zh_CN", "WenQuanYi Micro Hei", 12 },
};

QString builtCatalogue(const QString& base)
{
    return QCoreApplication::applicationDirPath() + "/lang/" + base + ".qm";
}

QString yes()
{
    return QCoreApplication::translate("TarqMessageBox", "Yes");
}

} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT

private:
    QScopedPointer<QTemporaryDir> m_app;
    QScopedPointer<QTemporaryDir> m_config;

    // An application directory with the catalogues named in copies, and a Config.ini listing languages.
    void makeInstallation(const QList<Language>& languages, const QStringList& copies)
    {
        m_app.reset(new QTemporaryDir);
        m_config.reset(new QTemporaryDir);
        QVERIFY(QDir(m_app->path()).mkpath("lang"));
        for (const QString& base : copies)
            QVERIFY(QFile::copy(builtCatalogue(base), m_app->path() + "/lang/" + base + ".qm"));
        QVERIFY(initDirectories({ m_app->path(), m_config->path() }));
        QSettings ini(configDir() + "/Config.ini", QSettings::IniFormat);
        ini.setValue("FONT_LIST/LANGNUM", languages.size());
        for (int i = 0; i < languages.size(); ++i) {
            ini.setValue(QString("FONT_LIST/LangName_%1").arg(i), languages[i].name);
            ini.setValue(QString("FONT_LIST/LangFile_%1").arg(i), languages[i].file);
            ini.setValue(QString("FONT_LIST/FONT_%1").arg(i), languages[i].font);
            ini.setValue(QString("FONT_LIST/FONT_SIZE_%1").arg(i), languages[i].size);
        }
    }

    int savedLanguage()
    {
        return QSettings(configDir() + "/LangConfig.ini", QSettings::IniFormat).value("Config/LangID", -1).toInt();
    }

private slots:
    void init()
    {
        setDisplayScaleFactor(1.0);
        setCurrentLanguageIndex(0);
    }

    void languageListAndFontsAreRead()
    {
        makeInstallation(kShipped, {});
        const LanguageList list = readLanguageList();
        QCOMPARE(list.count, 3);
        QCOMPARE(list.names[2], QString::fromUtf8("简体中文"));
        QCOMPARE(list.files[1], QString("mousecfg_de"));
        QVERIFY(list.names[3].isEmpty());
        QCOMPARE(fontForLanguage(2).family, QString("WenQuanYi Micro Hei"));
        QCOMPARE(fontForLanguage(2).pixelSize, 12);
        QCOMPARE(readChosenLanguage(), 0); // no LangConfig.ini yet
        QVERIFY(saveChosenLanguage(2));
        QCOMPARE(readChosenLanguage(), 2);
    }

    void catalogueNamesStayInsideTheLangFolder_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("plain") << "mousecfg_de" << true;
        QTest::newRow("parent folder") << "../mousecfg_de" << false;
        QTest::newRow("absolute") << "/tmp/evil" << false;
        QTest::newRow("backslash") << "..\\evil" << false;
        QTest::newRow("empty") << "" << false;
    }

    void catalogueNamesStayInsideTheLangFolder()
    {
        QFETCH(QString, file);
        QFETCH(bool, accepted);
        makeInstallation({ { "X", file, "DejaVu Sans", 12 } }, {});
        const QString path = translationFilePath(readLanguageList(), 0);
        QCOMPARE(!path.isEmpty(), accepted);
        if (accepted)
            QCOMPARE(path, dataDir() + "/lang/" + file + ".qm");
        QVERIFY(translationFilePath(readLanguageList(), 10).isEmpty());
        QVERIFY(translationFilePath(readLanguageList(), -1).isEmpty());
    }

    void startUpInstallsTheSavedLanguage()
    {
        makeInstallation(kShipped, { "mousecfg_en", "mousecfg_de", "mousecfg_zh_CN" });
        saveChosenLanguage(1);
        TarqTranslator translator;
        QVERIFY(translator.startUp());
        QCOMPARE(currentLanguageIndex(), 1);
        QCOMPARE(yes(), QString("Ja"));
        QVERIFY(translator.selectorVisible());
    }

    void desktopLanguagesPickTheCatalogue_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("wanted");
        QTest::addColumn<int>("chosen");
        const QStringList shipped = { "mousecfg_en", "mousecfg_de", "mousecfg_zh_CN" };
        QTest::newRow("German") << shipped << QStringList{ "de-DE" } << 1;
        QTest::newRow("underscore form") << shipped << QStringList{ "de_DE" } << 1;
        QTest::newRow("Austrian takes German") << shipped << QStringList{ "de-AT", "de" } << 1;
        QTest::newRow("simplified Chinese") << shipped << QStringList{ "zh-CN" } << 2;
        QTest::newRow("Singapore, simplified") << shipped << QStringList{ "zh-SG" } << 2;
        QTest::newRow("traditional is not simplified") << shipped << QStringList{ "zh-TW" } << 0;
        QTest::newRow("first that is offered") << shipped << QStringList{ "fr-FR", "fr", "de-DE" } << 1;
        QTest::newRow("order of the desktop") << shipped << QStringList{ "zh-CN", "de-DE" } << 2;
        QTest::newRow("C locale") << shipped << QStringList{ "C" } << 0;
        QTest::newRow("nothing asked") << shipped << QStringList{} << 0;
        QTest::newRow("English elsewhere in the list")
            << QStringList{ "mousecfg_de", "mousecfg_en" } << QStringList{ "fr-FR" } << 1;
        QTest::newRow("no English: the first")
            << QStringList{ "mousecfg_de", "mousecfg_zh_CN" } << QStringList{ "fr-FR" } << 0;
        QTest::newRow("file without a locale")
            << QStringList{ "mousecfg", "mousecfg_de" } << QStringList{ "de-DE" } << 1;
    }

    void desktopLanguagesPickTheCatalogue()
    {
        QFETCH(QStringList, files);
        QFETCH(QStringList, wanted);
        QFETCH(int, chosen);
        LanguageList list;
        list.count = files.size();
        for (int i = 0; i < files.size(); ++i)
            list.files[size_t(i)] = files[i];
        QCOMPARE(languageForUiLanguages(list, wanted), chosen);
    }

    void firstRunTakesTheDesktopsLanguageAndKeepsIt()
    {
        makeInstallation(kShipped, { "mousecfg_en", "mousecfg_de", "mousecfg_zh_CN" });
        QCOMPARE(readStoredLanguage(), -1);
        {
            TarqTranslator translator;
            QVERIFY(translator.startUp({ "de-DE" }));
            QCOMPARE(currentLanguageIndex(), 1);
            QCOMPARE(yes(), QString("Ja"));
            // The toolkit's own buttons and dialogs speak it too.
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Abbrechen"));
            QCOMPARE(readStoredLanguage(), 1);
        }
        // Once stored, the user's choice wins over the desktop's.
        QVERIFY(saveChosenLanguage(0));
        TarqTranslator translator;
        QVERIFY(translator.startUp({ "zh-CN" }));
        QCOMPARE(currentLanguageIndex(), 0);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Cancel"));
        QVERIFY(translator.switchTo(2));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString::fromUtf8("取消"));
        QVERIFY(translator.switchTo(0));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Cancel"));
    }

    void savedIndexOutsideTheListFallsBackToTheFirst()
    {
        makeInstallation(kShipped, { "mousecfg_en", "mousecfg_de" });
        saveChosenLanguage(7);
        TarqTranslator translator;
        QVERIFY(translator.startUp());
        QCOMPARE(currentLanguageIndex(), 0);
    }

    void selectorNeedsTwoLanguages_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("visible");
        QTest::newRow("one") << 1 << false;
        QTest::newRow("two") << 2 << true;
        QTest::newRow("three") << 3 << true;
    }

    void selectorNeedsTwoLanguages()
    {
        QFETCH(int, count);
        QFETCH(bool, visible);
        makeInstallation(kShipped.mid(0, count), {});
        TarqTranslator translator;
        translator.startUp();
        QCOMPARE(translator.selectorVisible(), visible);
    }

    void switchingToAMissingCatalogueSavesTheChoiceOnly()
    {
        makeInstallation(kShipped, { "mousecfg_en", "mousecfg_de" });
        TarqTranslator translator;
        QVERIFY(translator.startUp());
        QSignalSpy changed(&translator, &TarqTranslator::languageChanged);
        QVERIFY(translator.switchTo(1));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(yes(), QString("Ja"));

        QVERIFY(!translator.switchTo(2)); // mousecfg_zh_CN.qm is not installed
        QCOMPARE(savedLanguage(), 2);
        QCOMPARE(currentLanguageIndex(), 2);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(yes(), QString("Ja")); // the texts shown so far stay in one language

        QVERIFY(!translator.switchTo(3)); // not offered
        QCOMPARE(savedLanguage(), 2);
    }

    void fontsFollowTheLanguageTimesTheFactor_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<double>("factor");
        QTest::addColumn<int>("fixedSize");
        QTest::addColumn<int>("reduction");
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("pixels");
        QTest::newRow("english 1.0") << 0 << 1.0 << 0 << 0 << "DejaVu Sans" << 12;
        QTest::newRow("chinese 1.75") << 2 << 1.75 << 0 << 0 << "WenQuanYi Micro Hei" << 21;
        QTest::newRow("fixed size 1.25") << 1 << 1.25 << 16 << 0 << "DejaVu Sans" << 20;
        QTest::newRow("reduced 2.25 truncates") << 0 << 2.25 << 0 << 3 << "DejaVu Sans" << 20;
        QTest::newRow("no size stored") << 5 << 1.0 << 0 << 0 << "" << 12;
    }

    void fontsFollowTheLanguageTimesTheFactor()
    {
        QFETCH(int, language);
        QFETCH(double, factor);
        QFETCH(int, fixedSize);
        QFETCH(int, reduction);
        QFETCH(QString, family);
        QFETCH(int, pixels);
        makeInstallation(kShipped, {});
        setCurrentLanguageIndex(language);
        setDisplayScaleFactor(factor);
        const QFont font = uiFont(fixedSize, reduction);
        QCOMPARE(font.pixelSize(), pixels);
        if (!family.isEmpty())
            QCOMPARE(font.family(), family);
    }

    void everyTextIsTranslated_data()
    {
        QTest::addColumn<QString>("catalogue");
        QTest::newRow("German") << "mousecfg_de";
        QTest::newRow("Simplified Chinese") << "mousecfg_zh_CN";
    }

    void everyTextIsTranslated()
    {
        QFETCH(QString, catalogue);
        QTranslator translator;
        QVERIFY(translator.load(builtCatalogue(catalogue)));
        QStringList missing;
        int differing = 0;
        for (const SourceText& text : sourceTexts()) {
            const QString translated = translator.translate(text.context, text.text);
            if (translated.isEmpty())
                missing << QString("%1/%2").arg(text.context, text.text);
            else if (translated != QLatin1String(text.text))
                ++differing;
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(", ")));
        // Most texts read differently in another language; a catalogue copied from English would not.
        QVERIFY(differing > int(sourceTexts().size()) * 3 / 4);
    }
};

QTEST_MAIN(TestLanguages)
#include "test_languages.moc"
