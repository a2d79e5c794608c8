// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/languages.h"

#include <QString>
#include <QStringList>

// Which offered language a desktop asks for, by the catalogues' file names ("mousecfg_de",
// "mousecfg_zh_CN"): what follows the first '_' is the catalogue's locale.

// The locale name of entry index ("de", "zh_CN"); empty when the file name carries none.
QString catalogueLocaleName(const LanguageList& list, int index);

// The entry that serves the first of uiLanguages (most wanted first, "de-DE" or "de_DE" alike) that
// any entry serves: the same locale, else the same language in the same script ("de_AT" takes
// "de", "zh_TW" does not take "zh_CN"). Without any: the English entry, else 0.
int languageForUiLanguages(const LanguageList& list, const QStringList& uiLanguages);
