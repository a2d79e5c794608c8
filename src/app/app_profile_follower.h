// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/app_profile_switcher.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

class ActiveWindowSource;

// Follows the application in front and has the window switch the mouse's slot when the rules
// ask for another. The desktop's source is opened only while switching is on (or a dialog asks
// whether the desktop tells); the program's own windows count as no application.
class AppProfileFollower final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(AppProfileFollower)

public:
    // What the follower needs of the window. Slots are counted 1..5.
    struct Window
    {
        std::function<int()> activeSlot;
        // A send runs or a question waits: the switch follows once that is over.
        std::function<bool()> busy;
        // A mouse that answers is there to switch.
        std::function<bool()> mouseReady;
        std::function<void(int slot)> switchTo;
    };

    explicit AppProfileFollower(Window window, QObject* parent = nullptr);
    ~AppProfileFollower() override;

    // New rules; the application in front is looked at again with them at the next change.
    void setSettings(const AppProfileSettings& settings);
    const AppProfileSettings& settings() const { return m_switcher.settings(); }

    // Whether this desktop says which window is active (asks it once, then keeps the source).
    bool desktopTells();
    // The window the desktop last said is in front (id 0 before the desktop was asked).
    ActiveWindow activeWindow() const;
    // Whether a switch waits for the window to be free.
    bool hasPendingSwitch() const { return m_pendingSlot != 0; }

public slots:
    // The window is free again (a send ended, a box closed): a switch that waited is done now.
    void runPendingSwitch();

signals:
    // Another window came to the front, and what it asked for has been decided (and done, unless
    // it waits for the window to be free).
    void activeWindowSeen(const ActiveWindow& window);
    // The window was asked to switch to slot for the application in front.
    void switched(int slot);

private:
    void ensureSource();
    void onActiveWindowChanged(const ActiveWindow& window);
    void switchWhenFree(int slot);
    // Runs the waiting switch once the modal widget now open has closed.
    void awaitModalWidget();

    Window m_window;
    AppProfileSwitcher m_switcher;
    std::unique_ptr<ActiveWindowSource> m_source;
    int m_pendingSlot = 0;
    QPointer<QObject> m_awaited;
};
