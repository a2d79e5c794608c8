#pragma once

#include <QImage>

// Every custom control in each of its states, laid out at the given display scale factor.
QImage renderGallery(double factor);
