#pragma once

#include <QByteArray>
#include <QImage>
#include <QVector>

// Writes a Windows icon file holding every given image as a 32-bit bitmap with its AND mask.
QByteArray encodeIco(const QVector<QImage>& images);
