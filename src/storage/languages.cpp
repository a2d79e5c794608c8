// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/languages.h"

#include "storage/file_names.h"
#include "storage/paths.h"
#include "storage/settings_guard.h"

#include <QMutex>
#include <QMutexLocker>
#include <QSettings>
#include <atomic>

namespace {

const QString kConfigFile = QStringLiteral("/Config.ini");
const QString kLangConfigFile = QStringLiteral("/LangConfig.ini");
const QString kLangCountKey = QStringLiteral("FONT_LIST/LANGNUM");
const QString kLangNameKey = QStringLiteral("FONT_LIST/LangName_%1");
const QString kLangFileKey = QStringLiteral("FONT_LIST/LangFile_%1");
const QString kFontKey = QStringLiteral("FONT_LIST/FONT_%1");
const QString kFontSizeKey = QStringLiteral("FONT_LIST/FONT_SIZE_%1");
const QString kLangIdKey = QStringLiteral("Config/LangID");
const QString kCatalogueFolder = QStringLiteral("/lang/");
const QString kCatalogueSuffix = QStringLiteral(".qm");

std::atomic_int g_currentLanguage{ 0 };

QString appConfigPath()
{
    return configDir() + kConfigFile;
}

// Every control asks for the font whenever it paints; "FONT_LIST" is never written by the program,
// so the font of one language in one Config.ini is read once and kept.
struct CachedLanguageFont
{
    QString configPath;
    int index = -1;
    LanguageFont font;
};

QMutex g_fontMutex;
CachedLanguageFont g_cachedFont;

LanguageFont readIntoCache(int index)
{
    g_cachedFont = { appConfigPath(), index, fontForLanguage(index) };
    return g_cachedFont.font;
}

} // namespace

int LanguageList::offeredCount() const
{
    return qBound(0, count, kMaxLanguages);
}

LanguageList readLanguageList()
{
    const GuardedSettings file(appConfigPath(), GuardedSettings::Mode::Read);
    const QSettings& settings = file.settings();
    LanguageList list;
    list.count = settings.value(kLangCountKey, 0).toInt();
    for (int i = 0; i < kMaxLanguages; ++i) {
        list.names[static_cast<size_t>(i)] = settings.value(kLangNameKey.arg(i)).toString();
        list.files[static_cast<size_t>(i)] = settings.value(kLangFileKey.arg(i)).toString();
    }
    return list;
}

int readChosenLanguage()
{
    return qMax(0, readStoredLanguage());
}

int readStoredLanguage()
{
    const GuardedSettings file(configDir() + kLangConfigFile, GuardedSettings::Mode::Read);
    bool isNumber = false;
    const int index = file.settings().value(kLangIdKey).toInt(&isNumber);
    return isNumber ? index : -1;
}

bool saveChosenLanguage(int index)
{
    GuardedSettings file(configDir() + kLangConfigFile, GuardedSettings::Mode::Write);
    file.settings().setValue(kLangIdKey, index);
    return file.sync();
}

LanguageFont fontForLanguage(int index)
{
    const GuardedSettings file(appConfigPath(), GuardedSettings::Mode::Read);
    const QSettings& settings = file.settings();
    LanguageFont font;
    font.family = settings.value(kFontKey.arg(index)).toString();
    // Stored unsigned: a negative or non-numeric size reads as 0, not as a huge value.
    font.pixelSize = qMax(0, settings.value(kFontSizeKey.arg(index), 0).toInt());
    return font;
}

int currentLanguageIndex()
{
    return g_currentLanguage.load();
}

void setCurrentLanguageIndex(int index)
{
    const QMutexLocker lock(&g_fontMutex);
    g_currentLanguage.store(index);
    readIntoCache(index);
}

LanguageFont currentLanguageFont()
{
    const QMutexLocker lock(&g_fontMutex);
    const int index = currentLanguageIndex();
    if (g_cachedFont.index == index && g_cachedFont.configPath == appConfigPath())
        return g_cachedFont.font;
    return readIntoCache(index);
}

QString translationFilePath(const LanguageList& list, int index)
{
    if (index < 0 || index >= kMaxLanguages)
        return {};
    const QString& file = list.files[static_cast<size_t>(index)];
    if (!isValidFileName(file))
        return {};
    return dataDir() + kCatalogueFolder + file + kCatalogueSuffix;
}
