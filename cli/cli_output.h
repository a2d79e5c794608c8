#pragma once

#include <QTextStream>

// Results go to stdout, messages to stderr.
QTextStream& out();
QTextStream& err();
