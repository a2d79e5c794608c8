#pragma once

#include <QPainter>
#include <QSizeF>

// The sample product's pictures: the top view with no button or one button highlighted
// (1-based), and the side view.
void paintMouseTop(QPainter& painter, const QSizeF& size, int highlightedButton);
void paintMouseSide(QPainter& painter, const QSizeF& size);
