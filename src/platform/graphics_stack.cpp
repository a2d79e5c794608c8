// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/graphics_stack.h"

#include <QByteArray>
#include <QtGlobal>

void skipUnusedGraphicsStack()
{
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", QByteArray("none"));
}
