// Writes a committed palette document as an animated GIF89a.
#pragma once

#include "host/document.h"

#include <string>

// The document has at least one frame. delaysInMilliseconds: the host told the plug-in it is not a
// GIF-type host, so delays arrive in milliseconds and become hundredths here. False with a reason
// in error when the document cannot be a GIF or the file cannot be written (no file is left behind
// then).
bool WriteGif(const Document &document, bool delaysInMilliseconds, const std::string &path,
              std::string &error);
