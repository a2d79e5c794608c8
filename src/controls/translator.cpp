// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/translator.h"

#include "log_categories.h"
#include "storage/system_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

TarqTranslator::TarqTranslator(QObject* parent)
    : QObject(parent)
    , m_translator(new QTranslator(this))
    , m_toolkitTranslator(new QTranslator(this))
{
}

TarqTranslator::~TarqTranslator()
{
    QCoreApplication::removeTranslator(m_translator);
    QCoreApplication::removeTranslator(m_toolkitTranslator);
}

bool TarqTranslator::startUp(const QStringList& systemLanguages)
{
    m_languages = readLanguageList();
    int chosen = readStoredLanguage();
    if (chosen < 0) {
        // The first run speaks the desktop's language, and keeps it as the user's choice.
        chosen = languageForUiLanguages(m_languages, systemLanguages);
        saveChosenLanguage(chosen);
    }
    if (chosen >= qMax(1, m_languages.offeredCount()))
        chosen = 0;
    setCurrentLanguageIndex(chosen);
    return loadAndInstall(chosen);
}

bool TarqTranslator::startUp()
{
    return startUp(QLocale::system().uiLanguages());
}

bool TarqTranslator::switchTo(int index)
{
    if (index < 0 || index >= m_languages.offeredCount())
        return false;
    setCurrentLanguageIndex(index);
    saveChosenLanguage(index);
    if (!loadAndInstall(index))
        return false;
    emit languageChanged(index);
    return true;
}

bool TarqTranslator::loadAndInstall(int index)
{
    const QString path = translationFilePath(m_languages, index);
    if (path.isEmpty())
        return false;
    // Probe first: QTranslator::load empties the translator before reading, and a missing file
    // would leave the program half in the old language and half untranslated.
    QTranslator probe;
    if (!probe.load(path))
        return false;
    if (!m_translator->load(path))
        return false;
    // Installed once: reinstalling would stack duplicates that removeTranslator leaves behind.
    QCoreApplication::removeTranslator(m_translator);
    QCoreApplication::installTranslator(m_translator);
    loadToolkitCatalogue(catalogueLocaleName(m_languages, index));
    return true;
}

void TarqTranslator::loadToolkitCatalogue(const QString& localeName)
{
    // The toolkit's own dialogs (file dialogs, their questions) speak the language too; English
    // has no catalogue of its own, and a language without one keeps the toolkit's English.
    QCoreApplication::removeTranslator(m_toolkitTranslator);
    if (localeName.isEmpty())
        return;
    const QString folder = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
    if (!m_toolkitTranslator->load(QLocale(localeName), QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
        qCDebug(lcUi) << "no toolkit catalogue for" << localeName << "in" << folder;
        return;
    }
    QCoreApplication::installTranslator(m_toolkitTranslator);
}
