// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;

// The lines under a captured key: one that says what the keys do at this stage of the capture,
// and, when only the dialog's own keys are seen, one about the keys the desktop keeps.
class KeyCaptureHints final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(KeyCaptureHints)

public:
    enum class Stage {
        Capturing,  // every key is captured, Enter, Escape and Tab included
        Captured,   // the dialog's keys answer again
        Unsendable, // captured, but not a key the mouse can send
    };

    explicit KeyCaptureHints(QWidget* parent);

    void showStage(Stage stage);
    void showDesktopKeysHint(bool shown);
    QString stageText() const;
    // The height the visible lines need at the given width.
    int neededHeight(int width) const;

    static QString textOf(Stage stage);
    // The stage line's font: it has to hold the line in one at every scale and language.
    static QFont stageFont();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutLines();

    QLabel* m_stageLabel = nullptr;
    QLabel* m_desktopLabel = nullptr;
};
