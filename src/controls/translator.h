// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/languages.h"

#include <QObject>
#include <QStringList>

class QTranslator;

// The one translator of the application's lifetime: loads the chosen language at start-up and
// switches languages from the language menu.
class TarqTranslator final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(TarqTranslator)

public:
    explicit TarqTranslator(QObject* parent = nullptr);
    ~TarqTranslator() override;

    // Reads the language list and the saved choice, makes it the current language and installs its
    // catalogue, and the toolkit's of the same language, when it loads. Without a saved choice (the
    // first run) the entry that serves the desktop's languages (most wanted first, as
    // QLocale::uiLanguages gives them) is chosen and saved. A saved index outside the list falls back
    // to the first language. Returns whether the catalogue loaded.
    bool startUp(const QStringList& systemLanguages);
    // As above with the system locale's languages.
    bool startUp();

    // Makes entry index of the list the current language and saves it, even when its catalogue is
    // missing. Only a catalogue that loads replaces the texts shown so far; then
    // languageChanged is emitted so that windows re-apply their texts. Returns whether it loaded;
    // false and nothing changed for an index outside the offered entries.
    bool switchTo(int index);

    const LanguageList& languages() const { return m_languages; }

    // The language selector is offered only when there is a choice.
    bool selectorVisible() const { return m_languages.offeredCount() >= 2; }

    QTranslator* translator() const { return m_translator; }

signals:
    void languageChanged(int index);

private:
    bool loadAndInstall(int index);
    void loadToolkitCatalogue(const QString& localeName);

    LanguageList m_languages;
    QTranslator* m_translator;
    QTranslator* m_toolkitTranslator;
};
