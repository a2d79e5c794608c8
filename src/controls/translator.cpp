#include "controls/translator.h"

#include <QCoreApplication>
#include <QTranslator>

TarqTranslator::TarqTranslator(QObject* parent)
    : QObject(parent)
    , m_translator(new QTranslator(this))
{
}

TarqTranslator::~TarqTranslator()
{
    QCoreApplication::removeTranslator(m_translator);
}

bool TarqTranslator::startUp()
{
    m_languages = readLanguageList();
    int chosen = readChosenLanguage();
    if (chosen < 0 || chosen >= qMax(1, m_languages.offeredCount()))
        chosen = 0;
    setCurrentLanguageIndex(chosen);
    return loadAndInstall(chosen);
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
    return true;
}
