// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QStringList>

// A label of the program's dialogs that shows its plain text whole or, where it cannot, its start
// with "…" and the whole text as its tooltip; text() and what screen readers hear stay whole. On
// one line the font shrinks within limits first. With word wrap the text breaks at spaces and
// after path separators, and only a last line that finds no room below it is elided.
class TarqTextLabel final : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY(TarqTextLabel)

public:
    explicit TarqTextLabel(const QString& text, QWidget* parent = nullptr);

    // The lines as drawn at the label's current size, and their font.
    QStringList shownLines() const;
    QFont shownFont() const;
    bool isElided() const;

    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct Shown
    {
        QStringList lines;
        QFont font;
        bool elided = false;
    };
    Shown shown() const;
};
