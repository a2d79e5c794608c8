#include "controls/display_scale.h"
#include "controls/labels_menus.h"
#include "controls/progress.h"
#include "controls/push_button.h"
#include "controls/translator.h"
#include "storage/paths.h"
#include "storage/settings_guard.h"
#include "storage_sandbox.h"

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int kGerman = 1;
const QString kGermanFamily = QStringLiteral("DejaVu Serif");
constexpr int kEnglishSize = 10;
constexpr int kGermanSize = 22;

QString solidImage(const QTemporaryDir& dir, const QString& name, const QColor& colour)
{
    QImage image(QSize(60, 20), QImage::Format_ARGB32);
    image.fill(colour);
    const QString path = dir.filePath(name);
    image.save(path);
    return path;
}

void sendEvent(QWidget* widget, QEvent::Type type)
{
    QEvent event(type);
    QApplication::sendEvent(widget, &event);
}

// Height of what is drawn over the colour of the top-left corner: the ink of the text.
int inkHeight(QWidget& widget)
{
    const QImage shot = widget.grab().toImage();
    const QRgb background = shot.pixel(0, 0);
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            if (shot.pixel(x, y) != background) {
                top = top < 0 ? y : top;
                bottom = y;
                break;
            }
        }
    }
    return top < 0 ? 0 : bottom - top + 1;
}

} // namespace

class TestControlFonts : public QObject
{
    Q_OBJECT

private:
    QScopedPointer<StorageSandbox> m_sandbox;
    QTemporaryDir m_images;
    QStringList m_buttonImages;

private slots:
    void initTestCase()
    {
        QVERIFY(m_images.isValid());
        m_buttonImages =
            QStringList{ solidImage(m_images, "normal.png", Qt::black), solidImage(m_images, "hover.png", Qt::darkGray),
                         solidImage(m_images, "pressed.png", Qt::darkBlue) };
    }

    // The shipped languages and catalogues, with German given a font of its own.
    void init()
    {
        setDisplayScaleFactor(1.0);
        m_sandbox.reset(new StorageSandbox);
        QVERIFY(m_sandbox->isValid());
        QVERIFY(QDir(m_sandbox->appPath()).mkpath("lang"));
        for (const QString base : { "mousecfg_en", "mousecfg_de" }) {
            QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + "/lang/" + base + ".qm",
                                m_sandbox->path("lang/" + base + ".qm")));
        }
        QSettings ini(configDir() + "/Config.ini", QSettings::IniFormat);
        ini.setValue("FONT_LIST/FONT_SIZE_0", kEnglishSize);
        ini.setValue(QString("FONT_LIST/FONT_%1").arg(kGerman), kGermanFamily);
        ini.setValue(QString("FONT_LIST/FONT_SIZE_%1").arg(kGerman), kGermanSize);
    }

    void controlsPaintAndHoverWithoutOpeningSettings()
    {
        TarqTranslator translator;
        QVERIFY(translator.startUp());
        QWidget window;
        window.resize(320, 200);
        auto* button = new TarqPushButton(m_buttonImages, &window);
        button->setText("Apply");
        button->setBadgeNumber(2);
        button->setGeometry(10, 10, 120, 30);
        auto* label = new TarqLabel("Key Response", &window);
        label->setGeometry(10, 50, 200, 24);
        auto* bar = new TarqProcessbar(&window);
        bar->setValue(60);
        bar->setGeometry(10, 80, 150, 22);
        TarqMenu menu;
        menu.setTitle("Report Rate");
        auto* first = new TarqAction("125 HZ", &menu);
        auto* second = new TarqAction("250 HZ", &menu);
        menu.addAction(first);
        menu.addAction(second);

        const quint64 before = guardedSettingsOpenCount();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QList<QWidget*> controls{ button, label, bar };
        for (QWidget* control : controls) {
            sendEvent(control, QEvent::Enter);
            control->grab();
            sendEvent(control, QEvent::Leave);
            control->grab();
        }
        QTest::mouseClick(button, Qt::LeftButton);
        menu.popup(window.mapToGlobal(QPoint(200, 10)));
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        QTest::mouseMove(&menu, menu.actionGeometry(first).center());
        QTest::mouseMove(&menu, menu.actionGeometry(second).center());
        QTRY_COMPARE(menu.activeAction(), second);
        menu.grab();
        // A new scale step changes every size without another read.
        setDisplayScaleFactor(2.0);
        window.grab();
        menu.grab();
        QCOMPARE(guardedSettingsOpenCount() - before, quint64(0));
    }

    void languageChangeRefreshesTheFont()
    {
        TarqTranslator translator;
        QVERIFY(translator.startUp());
        TarqLabel label("HHHH");
        label.resize(300, 60);
        TarqPushButton button({ m_buttonImages.first() });
        button.setText("HHHH");
        button.resize(300, 60);
        TarqMenu menu;
        const int labelInk = inkHeight(label);
        const int buttonInk = inkHeight(button);
        QVERIFY(labelInk > 0);
        QVERIFY(buttonInk > 0);

        QVERIFY(translator.switchTo(kGerman));
        QCOMPARE(uiFont().family(), kGermanFamily);
        QCOMPARE(uiFont().pixelSize(), kGermanSize);
        const quint64 before = guardedSettingsOpenCount();
        QVERIFY(inkHeight(label) > labelInk * 3 / 2);
        QVERIFY(inkHeight(button) > buttonInk * 3 / 2);
        menu.popup(QPoint(0, 0)); // a menu takes the font when it opens
        QCOMPARE(menu.font().family(), kGermanFamily);
        QCOMPARE(menu.font().pixelSize(), kGermanSize);
        QCOMPARE(guardedSettingsOpenCount() - before, quint64(0));

        // A language that is chosen again is read again, so a stale font cannot outlive it.
        QSettings(configDir() + "/Config.ini", QSettings::IniFormat).setValue("FONT_LIST/FONT_SIZE_0", 16);
        QVERIFY(translator.switchTo(0));
        QCOMPARE(uiFont().pixelSize(), 16);
    }
};

QTEST_MAIN(TestControlFonts)
#include "test_control_fonts.moc"
