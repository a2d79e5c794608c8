// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <vector>

// An X desktop of the test's own: an Xvfb on a display number it picks itself, and on request
// Debian's openbox as the window manager and trayer as the system tray, each started and found
// ready (holding its X selection) before the constructor returns. DISPLAY names the new server
// for the test and its children while the object lives; everything it started is stopped when it
// goes, in the reverse order.
class PrivateXSession final
{
public:
    enum Part { WindowManager = 0x1, Tray = 0x2 };

    explicit PrivateXSession(int parts);
    ~PrivateXSession();
    PrivateXSession(const PrivateXSession&) = delete;
    PrivateXSession& operator=(const PrivateXSession&) = delete;

    bool isValid() const { return m_error.isEmpty() && !m_display.isEmpty(); }
    QString errorString() const { return m_error; }
    // A program the session needs that this machine lacks, for QSKIP; empty when all are there.
    static QString missingProgram(int parts);

    QString display() const { return m_display; }
    // The tray's process id, or 0 without a tray.
    qint64 trayProcessId() const;

private:
    bool start(const QString& program, const QStringList& arguments);
    bool waitForSelection(const char* selection, const QString& owner);

    QTemporaryDir m_home;
    std::vector<std::unique_ptr<QProcess>> m_processes;
    QProcess* m_tray = nullptr;
    QString m_display;
    QString m_error;
    QByteArray m_previousDisplay;
    bool m_hadPreviousDisplay = false;
};
