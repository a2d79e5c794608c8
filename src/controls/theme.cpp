#include "controls/theme.h"

#include <atomic>

namespace {

struct Rgb
{
    int r, g, b;
};

constexpr Rgb kThemeTable[kThemeColourCount] = {
    { 255, 0, 0 }, { 0, 255, 0 }, { 0, 0, 255 }, { 219, 200, 182 }, { 255, 0, 255 }, { 0, 255, 255 }, { 255, 125, 0 },
};

std::atomic_int g_themeIndex{ kDefaultThemeIndex };

bool inTable(int index)
{
    return index >= 0 && index < kThemeColourCount;
}

} // namespace

QColor themeColourAt(int index)
{
    const Rgb rgb = kThemeTable[inTable(index) ? index : kDefaultThemeIndex];
    return QColor(rgb.r, rgb.g, rgb.b);
}

void setThemeColourIndex(int index)
{
    g_themeIndex.store(inTable(index) ? index : kDefaultThemeIndex);
}

int themeColourIndex()
{
    return g_themeIndex.load();
}

QColor themeColour()
{
    return themeColourAt(themeColourIndex());
}
