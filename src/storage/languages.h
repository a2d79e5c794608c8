// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>

// The interface languages offered by Config.ini ("FONT_LIST"), the user's choice in
// LangConfig.ini and the font of each language. Plain settings; nothing here draws.

constexpr int kMaxLanguages = 10;

struct LanguageList
{
    int count = 0; // "FONT_LIST/LANGNUM" as stored; entries beyond it are not offered
    std::array<QString, kMaxLanguages> names;
    std::array<QString, kMaxLanguages> files;

    // The number of entries a menu may offer: count limited to 0..kMaxLanguages.
    int offeredCount() const;
};

struct LanguageFont
{
    QString family;
    int pixelSize = 0; // before display scaling
};

// Reads the language list from the application Config.ini of the configuration directory.
LanguageList readLanguageList();

// "Config/LangID" of LangConfig.ini; 0 when missing.
int readChosenLanguage();

// "Config/LangID" of LangConfig.ini; -1 when none was stored yet (the first run) or it is no number.
int readStoredLanguage();

// Writes "Config/LangID"; false when the file cannot be written.
bool saveChosenLanguage(int index);

// Family and pixel size of language index from "FONT_LIST/FONT_%d" and "FONT_LIST/FONT_SIZE_%d".
LanguageFont fontForLanguage(int index);

// The process-wide current language index, 0 until set. Setting it (again) reads that language's
// font from Config.ini.
int currentLanguageIndex();
void setCurrentLanguageIndex(int index);

// Font of the current language, from memory: Config.ini is read only when the language is set or
// the configuration directory has changed since the last read.
LanguageFont currentLanguageFont();

// Application directory + "/lang/" + file + ".qm" for entry index. Empty when the index is outside
// the list or the stored file name is empty or names another directory, so nothing outside the
// catalogue folder is ever loaded.
QString translationFilePath(const LanguageList& list, int index);
