#pragma once

#include <QByteArray>
#include <QImage>

// Images compiled into the program: the loading animation and the yes/no button marks.
QByteArray loadingAnimation(int resolution);
QImage yesMark(int resolution);
QImage noMark(int resolution);
