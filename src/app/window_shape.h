// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRegion>

// The shape of a frameless window drawn from an image: its pixels that are not fully transparent,
// as the toolkit's pixmap mask takes them. Works on the image alone, so it can be made on any
// thread while the window builds itself.
QRegion opaqueRegion(const QImage& image);
