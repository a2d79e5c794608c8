// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/display_scale.h"
#include "controls/labels_menus.h"
#include "controls/message_box.h"
#include "controls/name_field.h"
#include "controls/progress.h"
#include "controls/push_button.h"
#include "controls/text_fit.h"
#include "controls/tool_tip_look.h"
#include "controls/translator.h"
#include "long_texts.h"
#include "storage/paths.h"
#include "storage/settings_guard.h"
#include "storage_sandbox.h"
#include "visible_texts.h"

#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolTip>
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

QFont pixelFont(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

int advance(const QFont& font, const QString& text)
{
    return QFontMetrics(font).horizontalAdvance(text);
}

QWidget* visibleToolTip()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->inherits("QTipLabel") && widget->isVisible())
            return widget;
    return nullptr;
}

const QString kLongName = longProfileName();

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

    void fittingShrinksBeforeItElides_data();
    void fittingShrinksBeforeItElides();
    void wrappingBreaksAtSeparatorsAndKeepsEveryCharacter_data();
    void wrappingBreaksAtSeparatorsAndKeepsEveryCharacter();
    void lineFeedsStartNewLines();
    void elidedControlsShowTheWholeTextAsTip();
    void toolTipsTakeTheSkinsColours();
    void aLongTextKeepsOffTheBadge();
    void messageBoxesUseTheLanguagesFont();

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

void TestControlFonts::fittingShrinksBeforeItElides_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("room");
    QTest::addColumn<bool>("shrunk");
    QTest::addColumn<bool>("elided");
    const QString name = QStringLiteral("Tournament");
    const int natural = advance(pixelFont(20), name);
    QTest::newRow("room to spare keeps the font") << name << natural + 10 << false << false;
    QTest::newRow("a little short shrinks the font") << name << natural * 9 / 10 << true << false;
    QTest::newRow("too short for 80 % elides") << name << natural * 6 / 10 << true << true;
    QTest::newRow("no room at all elides to nothing but the mark") << name << 1 << true << true;
    QTest::newRow("an empty text fits anywhere") << QString() << 0 << false << false;
}

void TestControlFonts::fittingShrinksBeforeItElides()
{
    QFETCH(QString, text);
    QFETCH(int, room);
    QFETCH(bool, shrunk);
    QFETCH(bool, elided);
    const QFont font = pixelFont(20);
    const FittedText shown = TextFit::fit(text, font, room);
    QCOMPARE(shown.font.pixelSize() < 20, shrunk);
    QVERIFY(shown.font.pixelSize() >= 16); // 80 % of 20
    QCOMPARE(shown.elided, elided);
    if (elided) {
        QVERIFY(text.startsWith(shown.text.chopped(1)));
        QCOMPARE(shown.font.pixelSize(), 16);
    } else {
        QCOMPARE(shown.text, text);
    }
    // Only the mark itself may be wider than no room at all.
    QVERIFY(advance(shown.font, shown.text) <= room || shown.text.size() <= 1);
}

void TestControlFonts::wrappingBreaksAtSeparatorsAndKeepsEveryCharacter_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("breakAfter"); // the characters a line may end with; empty: any
    const QString path = twoHundredCharacterPath();
    QTest::newRow("a Unix path") << path << QStringLiteral("/");
    QTest::newRow("a Windows path") << QString(path).replace(QLatin1Char('/'), QLatin1Char('\\'))
                                    << QStringLiteral("\\");
    QTest::newRow("a sentence around a path")
        << QStringLiteral("The profile file %1 cannot be read.").arg(path) << QStringLiteral("/ ");
    QTest::newRow("a word longer than a line") << QString(120, QLatin1Char('W')) << QString();
    QTest::newRow("Chinese between characters")
        << QStringLiteral("此宏对按键来说太长，一个按键最多容纳没有延迟行的事件和有延迟行的事件。此宏对按键来说太长。")
        << QString();
}

void TestControlFonts::wrappingBreaksAtSeparatorsAndKeepsEveryCharacter()
{
    QFETCH(QString, text);
    QFETCH(QString, breakAfter);
    const QFont font = pixelFont(14, true);
    const int width = 300;
    const QStringList lines = TextFit::wrapLines(text, font, width);
    QVERIFY(lines.size() > 1);
    QCOMPARE(lines.join(QString()), text);
    for (int i = 0; i < lines.size(); ++i) {
        const QString shown = lines.at(i).trimmed();
        QVERIFY2(advance(font, shown) <= width, qPrintable(shown));
        if (i + 1 < lines.size() && !breakAfter.isEmpty())
            QVERIFY2(breakAfter.contains(lines.at(i).back()), qPrintable(lines.at(i)));
    }
}

void TestControlFonts::lineFeedsStartNewLines()
{
    const QStringList lines = TextFit::wrapLines(QStringLiteral("first\nsecond"), pixelFont(12), 500);
    QCOMPARE(lines, (QStringList{ QStringLiteral("first"), QStringLiteral("second") }));
}

// Screen readers and the tooltip get the whole text; the drawing gets what fits.
void TestControlFonts::elidedControlsShowTheWholeTextAsTip()
{
    TarqTranslator translator;
    QVERIFY(translator.startUp());
    QWidget window;
    auto* button = new TarqPushButton({ m_buttonImages.first() }, &window);
    button->setGeometry(0, 0, 80, 24);
    auto* field = new TarqNameField(&window);
    field->setGeometry(0, 30, 86, 24);
    auto* other = new QLineEdit(&window);
    other->setGeometry(0, 60, 86, 24);
    auto* label = new TarqLabel(kLongName, &window);
    label->setGeometry(0, 90, 86, 24);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window)); // the fields take the focus

    button->setText(kLongName);
    QVERIFY(button->shownText().elided);
    QCOMPARE(button->text(), kLongName);
    QCOMPARE(toolTipShown(button), kLongName);
    button->setToolTip(QStringLiteral("Choose this slot"));
    QCOMPARE(toolTipShown(button), kLongName + QStringLiteral("\nChoose this slot"));
    button->setText(QStringLiteral("Slot"));
    QCOMPARE(toolTipShown(button), QStringLiteral("Choose this slot"));

    QVERIFY(label->shownText().elided);
    QCOMPARE(toolTipShown(label), kLongName);
    label->setText(QStringLiteral("NAME"));
    QCOMPARE(label->shownText().text, QStringLiteral("NAME"));
    QCOMPARE(toolTipShown(label), QString());

    field->setText(kLongName);
    other->setFocus();
    QTRY_VERIFY(!field->hasFocus());
    const FittedText shown = field->shownText();
    QVERIFY(shown.elided);
    QVERIFY(advance(shown.font, shown.text) <= shown.width && shown.width < field->width());
    QCOMPARE(field->text(), kLongName);
    QCOMPARE(toolTipShown(field), kLongName);
    // Being edited, the field scrolls like any line edit and needs no tip.
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    QCOMPARE(toolTipShown(field), QString());
}

void TestControlFonts::toolTipsTakeTheSkinsColours()
{
    ToolTipLook::install();
    QWidget window;
    auto* plain = new QLabel(QStringLiteral("plain"), &window);
    plain->setGeometry(0, 0, 100, 20);
    // A widget whose own style sheet has no selector, as several of the window's captions do.
    auto* styled = new QLabel(QStringLiteral("styled"), &window);
    styled->setStyleSheet(QStringLiteral("background:transparent;"));
    styled->setGeometry(0, 30, 100, 20);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (QWidget* widget : { static_cast<QWidget*>(plain), static_cast<QWidget*>(styled) }) {
        QToolTip::showText(widget->mapToGlobal(QPoint(2, 2)), QStringLiteral("HHHH HHHH"), widget);
        QTRY_VERIFY(visibleToolTip());
        const QImage tip = visibleToolTip()->grab().toImage();
        const QColor inside = tip.pixelColor(tip.width() - 4, tip.height() / 2);
        QVERIFY2(inside.lightness() < 60, qPrintable(inside.name()));
        int lightPixels = 0;
        for (int y = 2; y < tip.height() - 2; ++y)
            for (int x = 2; x < tip.width() - 2; ++x)
                lightPixels += tip.pixelColor(x, y).lightness() > 180 ? 1 : 0;
        QVERIFY(lightPixels > 10); // the text
        QToolTip::hideText();
        QTRY_VERIFY(!visibleToolTip());
    }
    // Nothing else of the application is restyled.
    QVERIFY(qApp->styleSheet().isEmpty());
}

void TestControlFonts::aLongTextKeepsOffTheBadge()
{
    TarqTranslator translator;
    QVERIFY(translator.startUp());
    TarqPushButton button({ m_buttonImages.first() });
    button.resize(140, 26);
    button.setBadgeNumber(4);
    // The badge ends at 0.81 of the button's height from the left edge.
    const QRect badgeColumns(0, 0, button.height() * 81 / 100 + 1, button.height());
    const QImage bare = button.grab(badgeColumns).toImage();
    button.setText(kLongName);
    QVERIFY(button.shownText().elided);
    QCOMPARE(button.grab(badgeColumns).toImage(), bare);
    const QImage right =
        button.grab(QRect(button.width() - badgeColumns.width(), 0, badgeColumns.width(), button.height())).toImage();
    button.setText(QString());
    // Centred, the text leaves the same room on the right.
    QCOMPARE(
        button.grab(QRect(button.width() - badgeColumns.width(), 0, badgeColumns.width(), button.height())).toImage(),
        right);
}

// Not the monospace fallback a font the system lacks would give.
void TestControlFonts::messageBoxesUseTheLanguagesFont()
{
    TarqTranslator translator;
    QVERIFY(translator.startUp());
    QVERIFY(translator.switchTo(kGerman));
    TarqMessageBox box(TarqMessageBox::Warning, QString(), "Warning", "Send data failed, please try again.");
    for (const QLabel* label : box.findChildren<QLabel*>()) {
        if (!label->text().isEmpty())
            QCOMPARE(label->font().family(), kGermanFamily);
    }
    QCOMPARE(box.findChild<QWidget*>("msgBoxYesBtn")->font().family(), kGermanFamily);
}

QTEST_MAIN(TestControlFonts)
#include "test_control_fonts.moc"
