#pragma once

// Resource ids, shared by the resource script and the program.

// The window title: the sheet's caption, the tray tip and the caption by
// which the program finds its own main window.
#define KVT_TITLE "Kvartune"
#define IDS_TITLE 100

// The program's version: the version resource, the Information page and
// the "version" value start-up writes.
#define KVT_VERSION "2.30"
#define KVT_VERSION_NUMBERS 2, 30, 0, 0

#define IDI_APPLICATION_ICON 128
#define IDI_SHEET_ICON 132
#define IDR_TRAY_MENU 128
#define IDB_UPDATES 134
#define IDB_NEWS 137

#define IDD_PERFORMANCE 1000
#define IDD_OPTION 1001
#define IDD_DISPLAY 1002
#define IDD_CONFIGURATION 1003
#define IDD_INFORMATION 1004
// "Save settings as profile...": the name of the profile.
#define IDD_PROFILE_NAME 1005
#define IDC_PROFILE_NAME 1200

#define ID_TRAY_OPEN 10000
#define ID_TRAY_UNLOAD 10001

// The settings commands, in the tray menu and in the main window's system
// menu, whose commands keep their low four bits clear.
#define ID_SETTINGS_EXPORT 10016
#define ID_SETTINGS_IMPORT 10032
#define ID_SETTINGS_RESTORE 10048
#define KVT_MENU_EXPORT "Export settings..."
#define KVT_MENU_IMPORT "Import settings..."
#define KVT_MENU_RESTORE "Restore..."

// The "Profiles" submenu of both menus: "Save settings as profile...", the
// "Put back" of a run with a profile, and the saved profiles, the first
// KVT_PROFILE_ITEMS of them, each at ID_PROFILE_FIRST + 16 * its place.
#define ID_PROFILE_SAVE 10064
#define ID_PROFILE_PUT_BACK 10080
#define ID_PROFILE_FIRST 10240
#define KVT_PROFILE_ITEMS 64
#define KVT_MENU_PROFILES "Profiles"
#define KVT_MENU_SAVE_PROFILE "Save settings as profile..."
