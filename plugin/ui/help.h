// The plug-in's help: the host shows the HTML help document at a dialog's topic.
#pragma once

#include <windows.h>

extern const char kHelpDocument[];
extern const char kHelpFailedMessage[];

// Asks the host for "ZXFXPLG1.HTML#anchor" (the document alone when the anchor is null or
// empty); a host that cannot show it gets the help failure message, owned by owner.
// Returns 1 in every case.
int ShowHelp(HWND owner, const char *anchor);
