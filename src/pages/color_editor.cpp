#include "pages/color_editor.h"

#include "controls/display_scale.h"
#include "controls/labels_menus.h"
#include "controls/push_button.h"
#include "controls/skin_paths.h"
#include "controls/theme.h"
#include "pages/color_areas.h"

#include <QCoreApplication>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <iterator>

namespace {

constexpr int kHexDigits = 6;
constexpr int kDialogWidth = 356;
constexpr int kDialogHeight = 206;
constexpr int kMargin = 12;
constexpr int kSquareSide = 128;
constexpr int kAreaTop = 34;
constexpr int kStripWidth = 18;
constexpr int kBoxWidth = 76;
constexpr int kBoxHeight = 24;
constexpr int kBoxStep = 28;
constexpr int kPresetSide = 18;
constexpr int kPresetStep = 23;

struct Preset
{
    QRgb rgb;
    const char* accessibleName;
};

const Preset kPresets[] = {
    { qRgb(255, 0, 0), QT_TRANSLATE_NOOP("TarqColorArea", "Red preset") },
    { qRgb(0, 255, 0), QT_TRANSLATE_NOOP("TarqColorArea", "Green preset") },
    { qRgb(0, 0, 255), QT_TRANSLATE_NOOP("TarqColorArea", "Blue preset") },
    { qRgb(0, 255, 255), QT_TRANSLATE_NOOP("TarqColorArea", "Cyan preset") },
    { qRgb(255, 255, 0), QT_TRANSLATE_NOOP("TarqColorArea", "Yellow preset") },
    { qRgb(255, 0, 255), QT_TRANSLATE_NOOP("TarqColorArea", "Magenta preset") },
    { qRgb(255, 255, 255), QT_TRANSLATE_NOOP("TarqColorArea", "White preset") },
};

QString rgb(const QColor& colour)
{
    return QStringLiteral("rgb(%1,%2,%3)").arg(colour.red()).arg(colour.green()).arg(colour.blue());
}

QString dialogStyle()
{
    return QStringLiteral("QDialog{background-color:%1;}"
                          "QSpinBox{background-color:%2;color:%3;border:1px solid %4;border-radius:%5px;"
                          "padding:0px %5px;selection-background-color:%6;selection-color:black;}"
                          "QSpinBox:focus{border-color:%6;}")
        .arg(rgb(QColor(Palette::Surface)), rgb(QColor(Palette::Background)), rgb(QColor(Palette::Text)),
             rgb(QColor(Palette::Line)))
        .arg(scaled(3))
        .arg(rgb(themeColour()));
}

} // namespace

TarqColorArea::TarqColorArea(QWidget* parent)
    : QDialog(parent)
    , m_title(new TarqLabel(this))
    , m_hueStrip(new HColorArea(this))
    , m_square(new SVColorArea(this))
    , m_preview(new PreviewColorArea(this))
    , m_hueBox(makeSpinBox(360))
    , m_saturationBox(makeSpinBox(255))
    , m_valueBox(makeSpinBox(255))
    , m_redBox(makeSpinBox(255))
    , m_greenBox(makeSpinBox(255))
    , m_blueBox(makeSpinBox(255))
    , m_hexEdit(new TarqLineEdit(this))
    , m_okButton(new TarqPushButton(tabButtonImages(), this))
    , m_cancelButton(new TarqPushButton(tabButtonImages(), this))
{
    m_title->setForegroundRole(QPalette::WindowText);
    QPalette titlePalette = m_title->palette();
    titlePalette.setColor(QPalette::WindowText, QColor(Palette::Text));
    m_title->setPalette(titlePalette);
    m_hexEdit->setMaxLength(kHexDigits);
    m_hexEdit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9A-Fa-f]{0,%1}").arg(kHexDigits)), m_hexEdit));
    createPresets();
    wireAreas();

    connect(m_hueBox, qOverload<int>(&QSpinBox::valueChanged), this, &TarqColorArea::hValueChangedSlot);
    connect(m_saturationBox, qOverload<int>(&QSpinBox::valueChanged), this, &TarqColorArea::sValueChangedSlot);
    connect(m_valueBox, qOverload<int>(&QSpinBox::valueChanged), this, &TarqColorArea::vValueChangedSlot);
    connect(m_redBox, qOverload<int>(&QSpinBox::valueChanged), this, &TarqColorArea::rValueChangedSlot);
    connect(m_greenBox, qOverload<int>(&QSpinBox::valueChanged), this, &TarqColorArea::gValueChangedSlot);
    connect(m_blueBox, qOverload<int>(&QSpinBox::valueChanged), this, &TarqColorArea::bValueChangedSlot);
    connect(m_hexEdit, &QLineEdit::textEdited, this, &TarqColorArea::editChangedSlot);
    connect(m_hexEdit, &QLineEdit::editingFinished, this, &TarqColorArea::editFinishedSlot);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    QWidget* order[] = { m_hueBox, m_saturationBox, m_valueBox, m_redBox, m_greenBox, m_blueBox, m_hexEdit };
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    QWidget* previous = m_hexEdit;
    for (DefaultColorArea* preset : qAsConst(m_presets)) {
        setTabOrder(previous, preset);
        previous = preset;
    }
    setTabOrder(previous, m_okButton);
    setTabOrder(m_okButton, m_cancelButton);

    showRgb(m_colour, true);
    retranslate();
    rescale();
}

QSpinBox* TarqColorArea::makeSpinBox(int maximum)
{
    auto* box = new QSpinBox(this);
    box->setRange(0, maximum);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The arrow keys and the wheel step the value; the dark style has no room for arrow buttons.
    box->setButtonSymbols(QAbstractSpinBox::NoButtons);
    return box;
}

void TarqColorArea::createPresets()
{
    for (const Preset& preset : kPresets) {
        auto* swatch = new DefaultColorArea(QColor(preset.rgb), this);
        connect(swatch, &DefaultColorArea::ClickedSignal, this, &TarqColorArea::color_clicked);
        m_presets.append(swatch);
    }
}

void TarqColorArea::wireAreas()
{
    connect(m_hueStrip, &HColorArea::hueChangedSignal, m_square, &SVColorArea::hueChangedSlot);
    connect(m_square, &SVColorArea::svChangedSignal, m_preview, &PreviewColorArea::svChangedSlot);
    connect(m_preview, &PreviewColorArea::svChangedSignal, this, &TarqColorArea::updateEditData);
    connect(m_hueStrip, &HColorArea::mouseReleasedSignal, this, &TarqColorArea::MouseReleaseSlot);
    connect(m_square, &SVColorArea::mouseReleasedSignal, this, &TarqColorArea::MouseReleaseSlot);
}

void TarqColorArea::retranslate()
{
    setWindowTitle(tr("Color Edit"));
    m_title->setText(tr("COLOR"));
    m_okButton->setText(tr("OK"));
    m_cancelButton->setText(tr("Cancel"));
    m_hueBox->setPrefix(tr("H "));
    m_saturationBox->setPrefix(tr("S "));
    m_valueBox->setPrefix(tr("V "));
    m_redBox->setPrefix(tr("R "));
    m_greenBox->setPrefix(tr("G "));
    m_blueBox->setPrefix(tr("B "));
    m_hueStrip->setAccessibleName(tr("Hue"));
    m_square->setAccessibleName(tr("Saturation and value"));
    m_preview->setAccessibleName(tr("Colour"));
    m_hueBox->setAccessibleName(tr("Hue"));
    m_saturationBox->setAccessibleName(tr("Saturation"));
    m_valueBox->setAccessibleName(tr("Value"));
    m_redBox->setAccessibleName(tr("Red"));
    m_greenBox->setAccessibleName(tr("Green"));
    m_blueBox->setAccessibleName(tr("Blue"));
    m_hexEdit->setAccessibleName(tr("Hexadecimal colour"));
    for (int i = 0; i < m_presets.size(); ++i)
        m_presets[i]->setAccessibleName(tr(kPresets[i].accessibleName));
}

void TarqColorArea::rescale()
{
    applyLook();
    setFixedSize(scaled(kDialogWidth), scaled(kDialogHeight));
    layoutControls();
}

void TarqColorArea::applyLook()
{
    setStyleSheet(dialogStyle());
    const QFont font = uiFont();
    for (QWidget* widget :
         { static_cast<QWidget*>(m_hueBox), static_cast<QWidget*>(m_saturationBox), static_cast<QWidget*>(m_valueBox),
           static_cast<QWidget*>(m_redBox), static_cast<QWidget*>(m_greenBox), static_cast<QWidget*>(m_blueBox),
           static_cast<QWidget*>(m_hexEdit) })
        widget->setFont(font);
}

void TarqColorArea::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    layoutControls();
}

void TarqColorArea::layoutControls()
{
    const auto place = [](QWidget* widget, int x, int y, int width, int height) {
        widget->setGeometry(scaled(x), scaled(y), scaled(width), scaled(height));
    };
    place(m_title, kMargin, 6, 200, 24);
    // The square's side is exactly 128·k so that its pixels map onto channel values; the widget
    // adds the pixel of the far edge.
    const int side = scaled(kSquareSide);
    m_square->setGeometry(scaled(kMargin), scaled(kAreaTop), side + 1, side + 1);
    m_hueStrip->setGeometry(scaled(kMargin + kSquareSide + 8), scaled(kAreaTop), scaled(kStripWidth), side);
    const int boxLeft = kMargin + kSquareSide + 8 + kStripWidth + 12;
    place(m_preview, boxLeft, kAreaTop, 2 * kBoxWidth + 6, kBoxHeight);
    const int boxTop = kAreaTop + kBoxStep;
    QSpinBox* const leftColumn[] = { m_hueBox, m_saturationBox, m_valueBox };
    QSpinBox* const rightColumn[] = { m_redBox, m_greenBox, m_blueBox };
    for (int row = 0; row < 3; ++row) {
        place(leftColumn[row], boxLeft, boxTop + row * kBoxStep, kBoxWidth, kBoxHeight);
        place(rightColumn[row], boxLeft + kBoxWidth + 6, boxTop + row * kBoxStep, kBoxWidth, kBoxHeight);
    }
    place(m_hexEdit, boxLeft, boxTop + 3 * kBoxStep, 2 * kBoxWidth + 6, kBoxHeight);
    const int bottom = kAreaTop + kSquareSide + 12;
    for (int i = 0; i < m_presets.size(); ++i)
        place(m_presets[i], kMargin + i * kPresetStep, bottom + 3, kPresetSide, kPresetSide);
    place(m_okButton, boxLeft, bottom, kBoxWidth, 28);
    place(m_cancelButton, boxLeft + kBoxWidth + 6, bottom, kBoxWidth, 28);
    moveSquarePoint();
}

void TarqColorArea::setColor(const QColor& colour)
{
    if (!colour.isValid())
        return;
    m_updating = true;
    showRgb(colour, true);
    m_updating = false;
    emit TarqChangeColor(m_colour);
}

void TarqColorArea::color_clicked()
{
    const auto* swatch = qobject_cast<DefaultColorArea*>(sender());
    if (!swatch || m_updating)
        return;
    m_updating = true;
    showRgb(swatch->color(), true);
    m_updating = false;
    emit TarqChangeColor(m_colour);
}

void TarqColorArea::hValueChangedSlot(int hue)
{
    if (m_updating)
        return;
    m_updating = true;
    m_hue = normalisedHue(hue);
    m_hueStrip->setHue(m_hue);
    m_square->setHue(m_hue);
    showHsvChange();
    m_updating = false;
}

void TarqColorArea::sValueChangedSlot(int saturation)
{
    if (m_updating)
        return;
    m_updating = true;
    m_saturation = saturation;
    moveSquarePoint();
    showHsvChange();
    m_updating = false;
}

void TarqColorArea::vValueChangedSlot(int value)
{
    if (m_updating)
        return;
    m_updating = true;
    m_value = value;
    moveSquarePoint();
    showHsvChange();
    m_updating = false;
}

void TarqColorArea::rValueChangedSlot(int)
{
    if (m_updating)
        return;
    m_updating = true;
    showRgb(QColor(m_redBox->value(), m_greenBox->value(), m_blueBox->value()), true);
    m_updating = false;
}

void TarqColorArea::gValueChangedSlot(int green)
{
    rValueChangedSlot(green);
}

void TarqColorArea::bValueChangedSlot(int blue)
{
    rValueChangedSlot(blue);
}

void TarqColorArea::updateEditData(int hue, int saturation, int value)
{
    if (m_updating)
        return;
    m_updating = true;
    m_hue = normalisedHue(hue);
    m_saturation = qBound(0, saturation, 255);
    m_value = qBound(0, value, 255);
    m_colour = QColor::fromHsv(m_hue, m_saturation, m_value);
    m_hueStrip->setHue(m_hue);
    setHsvBoxes();
    setRgbBoxes(m_colour);
    writeHex(m_colour);
    m_updating = false;
}

void TarqColorArea::editChangedSlot(const QString& text)
{
    if (m_updating)
        return;
    m_updating = true;
    showRgb(QColor(QLatin1Char('#') + completedHex(text)), false);
    m_updating = false;
}

void TarqColorArea::editFinishedSlot()
{
    if (m_updating)
        return;
    m_updating = true;
    showRgb(QColor(QLatin1Char('#') + completedHex(m_hexEdit->text())), true);
    m_updating = false;
}

void TarqColorArea::MouseReleaseSlot()
{
    emit ApplyColor();
}

QString TarqColorArea::completedHex(const QString& text)
{
    QString digits;
    for (const QChar c : text) {
        const QChar upper = c.toUpper();
        const bool hexDigit = upper.isDigit() || (upper >= QLatin1Char('A') && upper <= QLatin1Char('F'));
        if (digits.size() < kHexDigits && hexDigit)
            digits.append(upper);
    }
    return digits.leftJustified(kHexDigits, QLatin1Char('0'));
}

void TarqColorArea::showRgb(const QColor& colour, bool rewriteHex)
{
    m_colour = colour.toRgb();
    // Grey has no hue: keep the current one so the strip does not jump.
    if (m_colour.hsvHue() >= 0)
        m_hue = m_colour.hsvHue();
    m_saturation = m_colour.hsvSaturation();
    m_value = m_colour.value();
    m_hueStrip->setHue(m_hue);
    m_square->setHue(m_hue);
    moveSquarePoint();
    m_preview->setColor(m_colour);
    setHsvBoxes();
    setRgbBoxes(m_colour);
    if (rewriteHex)
        writeHex(m_colour);
}

void TarqColorArea::showHsvChange()
{
    m_colour = QColor::fromHsv(m_hue, m_saturation, m_value);
    m_preview->setColor(m_colour);
    setRgbBoxes(m_colour);
    writeHex(m_colour);
}

void TarqColorArea::setHsvBoxes()
{
    m_hueBox->setValue(m_hue);
    m_saturationBox->setValue(m_saturation);
    m_valueBox->setValue(m_value);
}

void TarqColorArea::setRgbBoxes(const QColor& colour)
{
    m_redBox->setValue(colour.red());
    m_greenBox->setValue(colour.green());
    m_blueBox->setValue(colour.blue());
}

void TarqColorArea::writeHex(const QColor& colour)
{
    m_hexEdit->setText(colour.name().mid(1).toUpper());
}

void TarqColorArea::moveSquarePoint()
{
    // A full channel sits on the far edge, the one pixel that reads back as 255 rather than 254.
    const double factor = displayScaleFactor();
    const auto pixels = [this, factor](int channel) {
        return channel >= 255 ? m_square->sideLength() : int(channel / 2 * factor);
    };
    m_square->setPoint(pixels(m_saturation), pixels(m_value));
}
