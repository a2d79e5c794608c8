#pragma once

#include <QHash>
#include <QPainter>
#include <QSizeF>
#include <QString>
#include <functional>

// Each skin image is painted by one function in design pixels over its whole design size.
using ImagePainter = std::function<void(QPainter&, const QSizeF&)>;
using PainterTable = QHash<QString, ImagePainter>;

// Window background, dialogs, buttons and battery frames.
PainterTable chromePainters();

// Status icons, list icons, check boxes and markers.
PainterTable iconPainters();

// The application icon at one square size.
void paintAppIcon(QPainter& painter, const QSizeF& size);
