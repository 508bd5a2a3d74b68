// Identifiers of the plug-in's resources and of the main dialog's controls.
#pragma once

#define IDD_MAIN 1000

#define IDC_BUILD 1
#define IDC_CANCEL 2

#define ZX_VERSION_MAJOR 2
#define ZX_VERSION_MINOR 0
#define ZX_VERSION_PATCH 15
