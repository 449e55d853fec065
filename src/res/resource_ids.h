// Resource identifiers of Setup.exe. Shared by the resource script and the code.
#pragma once

// Frame: caption string, window icon and menu.
#define IDR_MAINFRAME 128

// Self-registration script, resource type "REGISTRY".
#define IDR_APPID_REGISTRY 102

// Artwork.
#define IDB_SIDE_PANEL 135   // 89 x 220, 256 colours, on every page but Exit Setup
#define IDI_WELCOME 136      // 32x32 + 16x16, 16 colours
#define IDI_PNP_DISK 142     // 32x32, 256 colours
#define IDI_DEVICE_ERROR 143       // 32x32, 256 colours
#define IDI_UNINSTALL 144    // 32x32 + 16x16, 16 colours; the fifth icon group: the uninstall shortcut's icon

// Pages. A page's title string has the page's id.
#define IDD_EXIT_SETUP 1031
#define IDD_WELCOME 1032
#define IDD_PNP_DISK 1033
#define IDD_SETUP_COMPLETE 1034
#define IDD_UNINSTALL_COMPLETE 1035
#define IDD_NO_DEVICE 1036
#define IDD_NOT_INSTALLED 1037

// Controls. A control's localized text is the string with the control's id.
#define IDC_WELCOME_TEXT 1000
#define IDC_WELCOME_HINT 1001
#define IDC_WELCOME_NEXT 1002
#define IDC_WELCOME_CANCEL 1003
#define IDC_PNP_TEXT 1004
#define IDC_PNP_NEXT 1005
#define IDS_CANCEL_SPARE 1006   // a second "Cancel"; no control shows it
#define IDC_RESTART_TEXT 1007
#define IDC_REPLUG_TEXT 1008
#define IDC_REMOVED_TEXT 1009
#define IDC_FINISH 1010
#define IDC_NO_DEVICE_TEXT 1011
#define IDC_NO_DEVICE_HINT 1012
#define IDC_NO_DEVICE_EXIT 1013
#define IDC_RESTART_NOW 1014
#define IDC_RESTART_LATER 1015
#define IDC_EXIT_TEXT 1018
#define IDC_PNP_ENABLE 1019
#define IDC_EXIT_BACK 1020
#define IDC_EXIT_CONFIRM 1021
#define IDC_NOT_INSTALLED_EXIT 1022
#define IDC_NOT_INSTALLED_TEXT 1023
#define IDC_NOT_INSTALLED_HINT 1024

// Localized default drive names.
#define IDS_SD_DRIVE 1040
#define IDS_MS_DRIVE 1041
#define IDS_SM_DRIVE 1042
#define IDS_CF_DRIVE 1043
#define IDS_XD_DRIVE 1044

// The progress bar of the compact progress window.
#define IDC_PROGRESS 1100
