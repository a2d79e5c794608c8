#include "controls/display_scale.h"

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

std::atomic<double> g_factor{ kMinFactor };
std::atomic_bool g_alternativeSkin{ false };

int roundToInt(double value)
{
    return static_cast<int>(std::lround(value));
}

} // namespace

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
