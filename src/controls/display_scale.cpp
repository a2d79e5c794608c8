// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/display_scale.h"

#include "controls/text_fit.h"
#include "storage/languages.h"

#include <QRect>
#include <QWidget>
#include <atomic>
#include <cmath>

namespace {

constexpr double kMinFactor = 1.0;
constexpr double kMaxFactor = 5.0;
// Used when Config.ini names no size for the language, so texts never shrink to nothing.
constexpr int kFallbackPixelSize = 12;

// Upper bounds (exclusive) of the DPI ratio for steps 0..15; anything above is step 16.
constexpr double kStepLimits[kScaleStepCount - 1] = { 1.1, 1.4, 1.6, 1.8, 2.1, 2.3, 2.6, 2.8,
                                                      3.1, 3.3, 3.6, 3.8, 4.1, 4.3, 4.6, 4.8 };

std::atomic<double> g_factor{ kMinFactor };
std::atomic_bool g_alternativeSkin{ false };

int roundToInt(double value)
{
    return static_cast<int>(std::lround(value));
}

} // namespace

int displayScaleStep(double dpiRatio)
{
    for (int step = 0; step < kScaleStepCount - 1; ++step) {
        if (dpiRatio < kStepLimits[step])
            return step;
    }
    return kScaleStepCount - 1;
}

double displayScaleFactorOfStep(int step)
{
    return kMinFactor + 0.25 * qBound(0, step, kScaleStepCount - 1);
}

void setDisplayScaleFactor(double factor)
{
    // Out-of-range or NaN factors would collapse or explode every rectangle.
    g_factor.store(std::isfinite(factor) ? qBound(kMinFactor, factor, kMaxFactor) : kMinFactor);
}

double displayScaleFactor()
{
    return g_factor.load();
}

int scaled(double designLength)
{
    return roundToInt(designLength * displayScaleFactor());
}

QRect scaledRect(const QRect& rect, double factor)
{
    return QRect(roundToInt(rect.x() * factor), roundToInt(rect.y() * factor), roundToInt(rect.width() * factor),
                 roundToInt(rect.height() * factor));
}

void scaleWidgetRect(QWidget* widget, double factor)
{
    if (widget)
        widget->setGeometry(scaledRect(widget->geometry(), factor));
}

void setAlternativeSkin(bool alternative)
{
    g_alternativeSkin.store(alternative);
}

bool alternativeSkin()
{
    return g_alternativeSkin.load();
}

QFont uiFont(int fixedPixelSize, int reduction)
{
    const LanguageFont language = currentLanguageFont();
    const int languageSize = language.pixelSize > 0 ? language.pixelSize : kFallbackPixelSize;
    const int designSize = (fixedPixelSize > 0 ? fixedPixelSize : languageSize) - reduction;
    QFont font;
    if (!language.family.isEmpty())
        font.setFamily(language.family);
    font.setPixelSize(qMax(1, static_cast<int>(designSize * displayScaleFactor())));
    return font;
}

QFont uiFontFitting(const QString& text, int width, double minimumShare)
{
    const QFont font = uiFont();
    return TextFit::fit(text, font, width, static_cast<int>(font.pixelSize() * minimumShare)).font;
}
