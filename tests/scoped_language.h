// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QTranslator>
#include <memory>

// A catalogue installed for one test: "de" or "zh_CN"; nothing for "en", the source texts.
class ScopedLanguage final
{
public:
    explicit ScopedLanguage(const QString& code)
    {
        if (code == QLatin1String("en"))
            return;
        m_translator = std::make_unique<QTranslator>();
        m_loaded = m_translator->load(QCoreApplication::applicationDirPath() + QStringLiteral("/lang/mousecfg_") +
                                      code + QStringLiteral(".qm"));
        QCoreApplication::installTranslator(m_translator.get());
    }
    ~ScopedLanguage()
    {
        if (m_translator)
            QCoreApplication::removeTranslator(m_translator.get());
    }
    Q_DISABLE_COPY(ScopedLanguage)

    bool isLoaded() const { return !m_translator || m_loaded; }

private:
    std::unique_ptr<QTranslator> m_translator;
    bool m_loaded = false;
};
