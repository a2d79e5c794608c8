// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

class QLabel;
class QListWidget;
class QWidget;
class TarqPushButton;

// The controls the skinned dialogs build their content from.

// A caption in the dialogs' font and text colour.
QLabel* makeCaption(QWidget* parent, const QString& text);
// The width for a column of captions: as wide as the longest in the current language, so that no
// translation is cut, but at most `most`; captions that still do not fit wrap.
int fitCaptions(const QList<QLabel*>& captions, int most);
// A skinned push button that screen readers know by its text.
TarqPushButton* makeSkinnedButton(QWidget* parent, const QString& text);
// A dark list of rows that takes the keyboard focus.
QListWidget* makeRowList(QWidget* parent);
