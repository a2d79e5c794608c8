// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_sandbox.h"

#include "app/mousecfg_widget.h"
#include "controls/message_box.h"
#include "controls/push_button.h"
#include "device/discovery.h"
#include "sim/sim_hotplug_source.h"
#include "storage/paths.h"
#include "storage/profile_file_cache.h"
#include "storage_sandbox.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QtTest>

namespace {
const char* const kLanguageCodes[] = { "en", "de", "zh" };
} // namespace

void addScaleAndLanguageRows()
{
    QTest::addColumn<QString>("scale");
    QTest::addColumn<int>("language");
    for (const char* scale : { "1.0", "2.0" })
        for (int language = 0; language < 3; ++language)
            QTest::addRow("%s %s", scale, kLanguageCodes[language]) << QString::fromLatin1(scale) << language;
}

QString languageCode(int language)
{
    return QLatin1String(kLanguageCodes[language]);
}

WindowSandbox::WindowSandbox()
{
    forgetAllProfileFiles();
    closeDevice();
    if (!m_dir.isValid())
        return;
    const QString app = m_dir.path();
    QDir().mkpath(app + QStringLiteral("/defaults"));
    if (!QFile::copy(shippedDataFile(QStringLiteral("DefaultProfile.bin")),
                     app + QStringLiteral("/DefaultProfile.bin")) ||
        !QFile::copy(shippedDataFile(QStringLiteral("defaults/Config.ini")),
                     app + QStringLiteral("/defaults/Config.ini")))
        return;
    // The skin and the catalogues the build made, as an installation has them.
    const QString built = QCoreApplication::applicationDirPath();
    for (const QString& folder : { QStringLiteral("skin"), QStringLiteral("lang") }) {
        if (!QFile::link(built + QLatin1Char('/') + folder, app + QLatin1Char('/') + folder))
            return;
    }
    if (!initDirectories({ app, app + QStringLiteral("/Configs") }))
        return;
    m_mouse = std::make_unique<VirtualMouse>(simIdentitiesFromProductDescription());
    m_backend = std::make_unique<SimBackend>(*m_mouse);
    m_installed = std::make_unique<ScopedHidBackend>(*m_backend);
    m_valid = true;
}

WindowSandbox::~WindowSandbox()
{
    closeDevice();
}

std::unique_ptr<MousecfgWidget> WindowSandbox::makeWindow()
{
    return std::make_unique<MousecfgWidget>(std::make_unique<SimHotplugSource>(*m_mouse));
}

std::unique_ptr<MousecfgWidget> shownWindow(WindowSandbox& sandbox)
{
    if (!sandbox.isValid())
        return nullptr;
    sandbox.mouse().plug(MouseLink::Receiver);
    auto window = sandbox.makeWindow();
    window->show();
    return QTest::qWaitForWindowExposed(window.get()) ? std::move(window) : nullptr;
}

TarqMessageBox* visibleMessageBox()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<TarqMessageBox*>(widget);
        if (box && box->isVisible() && !box->isClosing())
            return box;
    }
    return nullptr;
}

QString messageBoxText(const TarqMessageBox* box)
{
    QStringList texts;
    if (box) {
        for (const QLabel* label : box->findChildren<QLabel*>())
            if (!label->text().isEmpty())
                texts << label->text();
    }
    return texts.join(QLatin1Char('\n'));
}

TarqPushButton* buttonNamed(const QWidget* window, const QString& accessibleName)
{
    for (TarqPushButton* button : window->findChildren<TarqPushButton*>())
        if (button->accessibleName() == accessibleName)
            return button;
    return nullptr;
}

namespace {
constexpr int kSendTimeoutMs = 30000;
} // namespace

void click(const MousecfgWidget& window, const QString& name)
{
    TarqPushButton* button = buttonNamed(&window, name);
    QVERIFY2(button, qPrintable(name));
    button->click();
}

void expectMessage(const QString& text, bool accept)
{
    QTRY_VERIFY(visibleMessageBox());
    TarqMessageBox* box = visibleMessageBox();
    QVERIFY2(messageBoxText(box).contains(text), qPrintable(messageBoxText(box)));
    accept ? box->accept() : box->reject();
    QTRY_VERIFY(!visibleMessageBox());
}

TarqPushButton* slotMenuButton(const QWidget* window)
{
    const QString description = QCoreApplication::translate("MousecfgWidget", "Choose the profile slot");
    for (TarqPushButton* button : window->findChildren<TarqPushButton*>())
        if (button->menu() && button->accessibleDescription() == description)
            return button;
    return nullptr;
}

namespace {

void triggerEntry(const TarqPushButton* button, const QString& entry)
{
    QVERIFY(button && button->menu());
    for (QAction* action : button->menu()->actions()) {
        if (action->text() == entry) {
            action->trigger();
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("no entry %1").arg(entry)));
}

} // namespace

void chooseSlot(const MousecfgWidget& window, const QString& entry)
{
    triggerEntry(slotMenuButton(&window), entry);
}

void chooseFromMenu(const MousecfgWidget& window, const QString& buttonName, const QString& entry)
{
    triggerEntry(buttonNamed(&window, buttonName), entry);
}

void waitForSend(MousecfgWidget& window, int expectedResult)
{
    QSignalSpy finished(&window, &MousecfgWidget::sendFinished);
    QVERIFY(finished.wait(kSendTimeoutMs));
    QCOMPARE(finished.first().first().toInt(), expectedResult);
}
