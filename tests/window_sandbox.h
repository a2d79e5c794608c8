// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/hid_backend.h"
#include "sim/sim_backend.h"
#include "sim/virtual_mouse.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>

class MousecfgWidget;
class QWidget;
class TarqMessageBox;
class TarqPushButton;

// One window test's world: an application directory like an installed one (the shipped product
// description and defaults, the built skin and catalogues), its own configuration directory, and
// the virtual mouse behind the HID seam, with its plugging as the window's hot-plug source.
class WindowSandbox final
{
public:
    WindowSandbox();
    ~WindowSandbox();
    WindowSandbox(const WindowSandbox&) = delete;
    WindowSandbox& operator=(const WindowSandbox&) = delete;

    bool isValid() const { return m_valid; }
    VirtualMouse& mouse() { return *m_mouse; }
    QString appPath() const { return m_dir.path(); }
    QString configPath() const { return m_dir.path() + QStringLiteral("/Configs"); }

    // A window on this sandbox's virtual mouse; destroy it before the sandbox.
    std::unique_ptr<MousecfgWidget> makeWindow();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<VirtualMouse> m_mouse;
    std::unique_ptr<SimBackend> m_backend;
    std::unique_ptr<ScopedHidBackend> m_installed;
    bool m_valid = false;
};

// A shown window on the sandbox's virtual mouse, plugged in by its receiver; null when the sandbox
// or the window failed.
std::unique_ptr<MousecfgWidget> shownWindow(WindowSandbox& sandbox);

// Screenshot tests run once per scale and language: rows "1.0 en" .. "2.0 zh" with the columns
// scale (QString) and language (int, the language list's index).
void addScaleAndLanguageRows();
// "en", "de" or "zh" for a language index of those rows, as screenshot names use it.
QString languageCode(int language);

// The visible message box, if any.
TarqMessageBox* visibleMessageBox();
// Everything the box says, its labels joined by newlines.
QString messageBoxText(const TarqMessageBox* box);
// The window's button that screen readers know by that name.
TarqPushButton* buttonNamed(const QWidget* window, const QString& accessibleName);
void click(const MousecfgWidget& window, const QString& name);
// Waits for a message box, checks its text, and closes it with its first answer.
void expectMessage(const QString& text, bool accept = true);
// Triggers the menu entry of that text on the button that drops the menu down.
void chooseFromMenu(const MousecfgWidget& window, const QString& buttonName, const QString& entry);
// The button that drops the slot menu down; it is named by the slot it shows.
TarqPushButton* slotMenuButton(const QWidget* window);
// Chooses a slot from the slot menu, as the user does.
void chooseSlot(const MousecfgWidget& window, const QString& entry);
// Waits for the window's next send to end with that result.
void waitForSend(MousecfgWidget& window, int expectedResult);
