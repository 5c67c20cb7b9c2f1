#pragma once

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "e2e_paths.h"
#include "machine_profile.h"
#include "main_window.h"
#include "message_box.h"
#include "registry_check.h"
#include "res/controls.h"
#include "screenshot.h"
#include "window_control.h"

// What the scenarios share: the helpers every scenario file uses, the places
// they look at and one run of the program up to the end of its detection.
namespace e2e {

// Value or key names, compared as a whole.
using Names = std::set<std::string>;

inline const std::string kTree = "Software\\Quillfeld\\Kvartune";
inline const std::string kCommon = kTree + "\\common";
inline const std::string kDisplayCards = kTree + "\\Display";
inline const std::string kDeviceCards = kTree + "\\Device";
// The drivers' keys: the Windows 95/98 display class (one key a card, then
// "0000\\..."), and the Windows NT device key of the profiles' Banshee.
inline const std::string kDriverKeys =
    "System\\CurrentControlSet\\Services\\Class\\Display\\";
inline const std::string kBansheeDevice =
    "System\\CurrentControlSet\\Services\\banshee\\Device0";
inline const std::string kVideoMap = "HARDWARE\\DEVICEMAP\\VIDEO";
inline const std::string kRun =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\run";

// The caption of the program's message boxes: its file's base name.
inline const std::string kMessageCaption = "kvtune";
// Control ids of Wine's message box: the text and the icon.
constexpr int kMessageText = 0xFFFF;
constexpr int kMessageIcon = 0x0440;

// Runs kvtune.exe (or a copy of it) on the seeded machine until its
// detection is over (it has ended, or waits for the user in a dialog) and
// checks that it did not crash and showed no message box. A program that
// runs on with its main window is then unloaded from its tray menu's command
// and must end normally.
testing::AssertionResult RunsWithoutMessage(
    const std::string& path = ProgramPath());

// The texts every start that found a card writes to "common" besides the
// card count and the selection.
void ExpectVersions(const std::string& glide2, const std::string& glide3,
                    const std::string& directX);

}  // namespace e2e
