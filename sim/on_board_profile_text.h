#pragma once

#include <QString>

class VirtualMouse;

// The active on-board profile as the virtual mouse holds it, in lines for people to read (meant
// for a monospace font): its DPI stages with the current one marked, its report rate code, the
// lighting record its lighting code selects and its button bytes. Bytes are two-digit lowercase
// hex separated by single spaces, as in the trace.
QString onBoardProfileText(const VirtualMouse& mouse);
