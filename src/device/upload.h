#pragma once

#include "device/section_encoding.h"
#include "storage/profile_record.h"

#include <QtGlobal>

class MonitorSwitch;

// Sending a configuration to the mouse: only the sections that changed, bracketed by the
// begin and end commands, with the battery thread stopped so nothing else reads the echoes.

// The sending thread's result besides the transport results: the mouse is off, nothing was sent.
constexpr quint8 kUploadMouseOff = 5;

// What the sections are encoded from: a copy of the last record given to uploadConfiguration.
// Used by the sending thread only (and, between uploads, by whoever needs the sent values).
ConfigRecord& deviceImage();
// Whether an upload filled the device image; before one it holds nothing that was sent.
bool deviceImageUploaded();

// The product and host facts of the current installation, read from the stored files.
EncodingContext currentEncodingContext();

// Each writer sends one section of the device image and returns a transport result. The upload
// reads the context once for all sections; a lone write reads it from the files.
quint8 writeGeneralSection(const EncodingContext& context = currentEncodingContext());
quint8 writeDpiSection(int profileIndex, const EncodingContext& context = currentEncodingContext());
quint8 writeButtonSection(const EncodingContext& context = currentEncodingContext());
quint8 writeLightingSection();
quint8 writeMacroSection();

// Sends the sections named by flags (ChangeFlag bits) of record, then the macros. Stops the monitor
// first; starts it again afterwards when a command handle is open. Returns the first non-zero
// transport result, or 0. monitor may be nullptr (the command line runs none).
quint8 uploadConfiguration(const ConfigRecord& record, ChangeFlags flags, MonitorSwitch* monitor = nullptr);
