#include "gallery_page.h"

#include "controls/display_scale.h"
#include "controls/labels_menus.h"
#include "controls/message_box.h"
#include "controls/progress.h"
#include "controls/push_button.h"
#include "controls/skin_paths.h"
#include "controls/sliders.h"
#include "controls/theme.h"
#include "storage/languages.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QMovie>
#include <QPainter>
#include <QTranslator>
#include <optional>

namespace {

constexpr int kDesignWidth = 999;
constexpr int kDesignHeight = 640;

QStringList tabImages()
{
    return { skinPath("tabbutton-1.png"), skinPath("tabbutton-3.png"), skinPath("tabbutton-2.png") };
}

void hover(TarqPushButton* button)
{
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(button, &enter);
}

void press(TarqPushButton* button)
{
    QMouseEvent event(QEvent::MouseButtonPress, QPointF(2, 2), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(button, &event);
}

TarqLabel* caption(QWidget* parent, const QString& text, int x, int y, int w = 220)
{
    auto* label = new TarqLabel(parent);
    label->setText(text);
    label->setFontSizeReduction(1);
    label->setStyleSheet(QStringLiteral("color:rgb(140,144,150);"));
    label->setGeometry(scaledRect(QRect(x, y, w, 18), displayScaleFactor()));
    return label;
}

void place(QWidget* widget, int x, int y, int w, int h)
{
    widget->setGeometry(scaledRect(QRect(x, y, w, h), displayScaleFactor()));
}

// A picture of a control painted outside the canvas (in another language or skin), placed on it.
void addSnapshot(QWidget* canvas, QWidget& control, int x, int y, int w, int h)
{
    control.setAttribute(Qt::WA_TranslucentBackground); // the canvas shows through rounded corners
    control.resize(scaled(w), scaled(h));
    auto* shot = new QLabel(canvas);
    shot->setPixmap(control.grab());
    place(shot, x, y, w, h);
}

class GalleryCanvas final : public QWidget
{
public:
    GalleryCanvas()
        : m_background(skinPath("cfgMainback.png"))
    {
        setAttribute(Qt::WA_TranslucentBackground);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), m_background);
    }

private:
    QPixmap m_background;
};

void addButtons(QWidget* canvas)
{
    // The controls name their own states, so the captions fit the skin's narrow left panels.
    const QStringList texts{ "Normal", "Hover", "Pressed", "Disabled" };
    caption(canvas, "Tabs", 69, 82, 154);
    for (int state = 0; state < 4; ++state) {
        auto* tab = new TarqPushButton(tabImages(), canvas);
        tab->setCheckable(true);
        tab->setText(texts.at(state));
        place(tab, 69, 100 + 32 * state, 154, 29);
        if (state == 1)
            hover(tab);
        if (state == 2)
            press(tab);
        if (state == 3)
            tab->setEnabled(false);
    }
    caption(canvas, "Slot buttons", 69, 230, 154);
    const QStringList slotTexts{ "Checked", "Normal", "Disabled" };
    for (int slot = 0; slot < 3; ++slot) {
        auto* button = new TarqPushButton({ skinPath("profile_edit_name_1.png"), skinPath("profile_edit_name_2.png"),
                                            skinPath("profile_edit_name_2.png") },
                                          canvas);
        button->setCheckable(true);
        button->setText(slotTexts.at(slot));
        place(button, 70, 248 + 32 * slot, 152, 28);
        button->setChecked(slot != 1);
        if (slot == 2)
            button->setEnabled(false);
    }
    caption(canvas, "Commands and icons", 69, 346, 154);
    const char* names[] = { "add", "copy", "del" };
    const char* labels[] = { "ADD", "COPY", "DELETE" };
    for (int i = 0; i < 3; ++i) {
        auto* command =
            new TarqPushButton({ skinPath(QStringLiteral("profile_") + names[i] + QStringLiteral("1.png")),
                                 skinPath(QStringLiteral("profile_") + names[i] + QStringLiteral("2.png")) },
                               canvas);
        command->setText(labels[i]);
        // DELETE opens the lower panel, whose frame starts below the upper one's.
        place(command, 70 + 78 * (i % 2), i < 2 ? 366 : 420, 72, 26);
        if (i == 1)
            hover(command);
        if (i == 2)
            command->setEnabled(false);
    }
    auto* exportButton =
        new TarqPushButton({ skinPath("profile_import1.png"), skinPath("profile_import2.png") }, canvas);
    place(exportButton, 148, 420, 26, 26);
    auto* importButton = new TarqPushButton({ skinPath("profile_export1.png") }, canvas);
    place(importButton, 180, 420, 26, 26);
    auto* dropDown = new TarqPushButton({ skinPath("profile_apply1.png") }, canvas);
    place(dropDown, 210, 419, 22, 28);

    caption(canvas, "Hot-spots and wheel", 69, 454, 154);
    const char* spots[] = { "btn_1.png",     "btn_2.png",     "btn_up2.png", "btn_up1.png",
                            "btn_down2.png", "btn_down1.png", "btn_up4.png", "btn_down3.png" };
    for (int i = 0; i < 8; ++i) {
        auto* spot = new TarqPushButton({ skinPath(spots[i]) }, canvas);
        place(spot, 70 + 20 * i, 474, 18, 18);
    }
    caption(canvas, "Alternative skin", 69, 500, 154);
    // The flag is process-wide and read while painting, so these are painted while it is set.
    setAlternativeSkin(true);
    for (int state = 0; state < 3; ++state) {
        TarqPushButton alt(tabImages());
        alt.setText(state == 0 ? "Apply" : state == 1 ? "OK" : "Cancel");
        if (state == 1)
            hover(&alt);
        if (state == 2)
            alt.setEnabled(false);
        addSnapshot(canvas, alt, 70 + 54 * state, 520, 50, 26);
    }
    setAlternativeSkin(false);
}

void addSliders(QWidget* canvas)
{
    caption(canvas, "TarqSlider: held (value tip), idle, disabled", 290, 80, 320);
    for (int i = 0; i < 3; ++i) {
        auto* slider = new TarqSlider(Qt::Horizontal, canvas);
        slider->setRange(1, 255);
        slider->setValue(i == 0 ? 180 : 60 + 40 * i);
        place(slider, 290, 122 + 30 * i, 260, 22);
        if (i == 0) {
            QMouseEvent pressEvent(QEvent::MouseButtonPress, QPointF(slider->width() * 0.7, slider->height() / 2.0),
                                   Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(slider, &pressEvent);
        }
        if (i == 2)
            slider->setEnabled(false);
    }
    caption(canvas, "TarqTwoBarSlider: X and Y, linked", 290, 210, 320);
    auto* twoBar = new TarqTwoBarSlider(canvas, 100, 1);
    twoBar->setValues(70, 35);
    place(twoBar, 290, 232, 260, 44);
    auto* linked = new TarqTwoBarSlider(canvas, 100, 1);
    linked->setValues(50, 50);
    linked->setLinked(true);
    place(linked, 290, 284, 260, 30);
}

void addTextControls(QWidget* canvas)
{
    caption(canvas, "TarqProcessbar: battery, mouse off", 600, 80, 320);
    auto* battery = new TarqProcessbar(canvas);
    battery->setValue(70);
    battery->setAlignment(Qt::AlignCenter);
    const QColor accent = themeColour();
    battery->setStyleSheet(
        QStringLiteral("QProgressBar{background-color:white;color:black;font:bold %1px;border-radius:2px;"
                       "border:0px;}QProgressBar::chunk{background-color:rgb(%2,%3,%4);border-radius:2px;}")
            .arg(scaled(16))
            .arg(accent.red())
            .arg(accent.green())
            .arg(accent.blue()));
    place(battery, 600, 102, 150, 22);
    auto* off = new TarqProcessbar(canvas);
    off->setValue(100);
    off->setTextVisible(false);
    off->setBarText("MOUSE OFF");
    off->setAlignment(Qt::AlignCenter);
    off->setStyleSheet(
        QStringLiteral("QProgressBar{background-color:rgb(100,100,100);color:white;font:bold %1px;"
                       "border-radius:2px;border:0px;}QProgressBar::chunk{background-color:rgb(100,100,100);}")
            .arg(scaled(16)));
    place(off, 770, 102, 150, 22);

    caption(canvas, "TarqLabel, TarqLineEdit", 600, 140, 320);
    auto* label = new TarqLabel(canvas);
    label->setText("Key Response");
    label->setStyleSheet("color:rgb(225,225,225);");
    place(label, 600, 162, 150, 22);
    auto* number = new TarqLabel(canvas);
    number->setNumber(125);
    number->setStyleSheet("color:rgb(225,225,225);");
    place(number, 760, 162, 60, 22);
    auto* edit = new TarqLineEdit(canvas);
    edit->setText("Profile 1");
    place(edit, 600, 190, 220, 26);

    caption(canvas, "TarqMenu", 840, 140, 100);
    auto* menu = new TarqMenu(canvas);
    for (const char* entry : { "125 HZ", "250 HZ", "500 HZ", "1000 HZ" })
        menu->addAction(new TarqAction(entry, menu));
    menu->setActiveAction(menu->actions().at(2));
    menu->ensurePolished();
    menu->adjustSize();
    auto* menuShot = new QLabel(canvas);
    menuShot->setPixmap(menu->grab());
    menuShot->move(scaled(840), scaled(162));
    menuShot->adjustSize();
}

// Shows what is built inside it in one shipped language, with that language's catalogue and font.
class LanguageScope
{
public:
    explicit LanguageScope(int index)
        : m_previous(currentLanguageIndex())
    {
        m_catalogue.load(translationFilePath(readLanguageList(), index));
        QCoreApplication::installTranslator(&m_catalogue);
        setCurrentLanguageIndex(index);
    }
    ~LanguageScope()
    {
        QCoreApplication::removeTranslator(&m_catalogue);
        setCurrentLanguageIndex(m_previous);
    }
    Q_DISABLE_COPY(LanguageScope)

private:
    QTranslator m_catalogue;
    int m_previous;
};

constexpr int kGerman = 1;
constexpr int kChinese = 2;

void addDialogs(QWidget* canvas)
{
    caption(canvas, "TarqMessageBox kind 1 (Deutsch), kind 4 (中文), TarqProcessDialog (half size)", 290, 330, 560);
    std::optional<LanguageScope> german(std::in_place, kGerman);
    TarqMessageBox question(1, QString(), "Warning", "Are you sure you want reset this profile?", nullptr);
    german.reset();
    std::optional<LanguageScope> chinese(std::in_place, kChinese);
    TarqMessageBox dongle(4, QString(), "Warning", "Dongle Disconnect!", nullptr, false);
    chinese.reset();
    TarqProcessDialog process;
    process.movie()->jumpToFrame(0);
    const auto shot = [canvas](QWidget& widget, int x, int y, int w) {
        widget.ensurePolished();
        auto* label = new QLabel(canvas);
        const QPixmap grabbed = widget.grab();
        label->setPixmap(grabbed.scaledToWidth(scaled(w), Qt::SmoothTransformation));
        label->setAttribute(Qt::WA_TranslucentBackground);
        label->move(scaled(x), scaled(y));
        label->adjustSize();
    };
    shot(question, 290, 352, 239);
    shot(dongle, 540, 352, 239);
    shot(process, 790, 352, 150);
}

// The same buttons in every shipped language, each with its language's font, to check that texts fit.
void addLanguages(QWidget* canvas)
{
    const LanguageList languages = readLanguageList();
    caption(canvas, "Languages: English, Deutsch, 简体中文", 236, 566, 400);
    int x = 236;
    for (int index = 0; index < languages.offeredCount(); ++index) {
        const LanguageScope language(index);
        const auto text = [](const char* source) { return QCoreApplication::translate("MousecfgWidget", source); };
        TarqPushButton tab(tabImages());
        tab.setText(text("Firmware Update"));
        addSnapshot(canvas, tab, x, 588, 154, 29);
        TarqPushButton command({ skinPath("profile_del1.png"), skinPath("profile_del2.png") });
        command.setText(text("DELETE"));
        addSnapshot(canvas, command, x + 160, 590, 72, 26);
        x += 248;
    }
}

} // namespace

QImage renderGallery(double factor)
{
    setDisplayScaleFactor(factor);
    GalleryCanvas canvas;
    canvas.resize(scaled(kDesignWidth), scaled(kDesignHeight));
    addButtons(&canvas);
    addSliders(&canvas);
    addTextControls(&canvas);
    addDialogs(&canvas);
    addLanguages(&canvas);
    canvas.ensurePolished();
    return canvas.grab().toImage();
}
