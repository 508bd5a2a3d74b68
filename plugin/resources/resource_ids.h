// Identifiers of the plug-in's resources and of the main dialog's controls.
#pragma once

#define IDD_MAIN 1000
#define IDD_ABOUT 9998

// Bitmaps made at build time: the dialogs' texture and the 24 pictures of the animated logo
#define IDB_DIALOG_TEXTURE 7011
#define IDB_LOGO_FIRST 10000
#define IDB_LOGO_COUNT 24
// The panel texture of the LED meters' "Retro" look
#define IDB_PANEL_TEXTURE 7201

// Main dialog controls
#define IDC_BUILD 1
#define IDC_CANCEL 2
#define IDC_HELP_BUTTON 9
#define IDC_TRUE_COLOUR 10
#define IDC_DELAY 11
#define IDC_PALETTE_LIST 13
#define IDC_CUSTOM_PALETTE 14
#define IDC_DITHER 15
#define IDC_LOGO 17
#define IDC_ABOUT 18
#define IDC_SUPERCOMPRESS 19
#define IDC_ADD_COMMENT 20
#define IDC_ANTIALIAS 22
#define IDC_MASK_BACKGROUND 29
#define IDC_EFFECT_LIST 30
#define IDC_TEST 35
#define IDC_PREVIEW 36
#define IDC_TRANSPARENT 46
#define IDC_FRAME_SIZE 47
#define IDC_ADVANCED 48
#define IDC_DELAY_SPIN 10011
// Labels have ids of their own: a dialog whose static has id -1 passes for a message box
#define IDC_FRAME_SIZE_LABEL 1001
#define IDC_DELAY_LABEL 1002
#define IDC_EFFECT_LABEL 1003
#define IDC_PALETTE_LABEL 1004

// About box controls
#define IDC_ABOUT_HEADING 101
#define IDC_ABOUT_TEXT 102
#define IDC_ABOUT_LOGO 106
#define IDC_VIEW_LICENSE 203
#define IDC_WEB_PAGE 205

// String table: general error texts (0-15), then the fixed palettes' names in palette order
#define IDS_MEMORY_ERROR 6
#define IDS_PALETTE_FIRST 1600
#define IDS_PALETTE_COUNT 9

#define ZX_VERSION_MAJOR 2
#define ZX_VERSION_MINOR 0
#define ZX_VERSION_PATCH 15
