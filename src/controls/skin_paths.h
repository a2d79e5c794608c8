#pragma once

#include <QStringList>

// Application directory + "/skin/" + name: where every skin image is loaded from.
QString skinPath(const QString& name);

// Normal, hover and pressed images of the wide text button: tabs, commands, dialog buttons.
QStringList tabButtonImages();

// Registers the images compiled into the program (":/skin/loading.gif", ":/yes_Btn", ":/no_Btn").
// Called by the controls that use them, so that linking the static library keeps them.
void ensureEmbeddedImages();
