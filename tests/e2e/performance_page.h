#pragma once

#include <windows.h>

#include <string>

#include "main_window.h"

// The Performance page as the user drives it, and the start-up files of
// Windows 95/98 that its Apply keeps.
namespace e2e {

inline const std::string kStartupFile = "c:\\autoexec.bat";
inline const std::string kStartupCopy = "c:\\autoexec.kvt";
inline const std::string kSplashBatch = "c:\\kvartune.bat";

// One start of the program up to its main window, which opens on the
// Performance page: the page is null when it is not there.
struct PerformanceRun : MainWindowRun {
  HWND page = sheet != nullptr ? ShowPage(sheet, Page::Performance) : nullptr;
};

// On a PC whose card's driver key takes no new subkey: "Disable VSync"
// ticked and Apply pressed, the program says what it could not store and
// why (`cause`), and Apply stays enabled. Unloads the program.
void ExpectApplyCannotStore(PerformanceRun& run, const char* cause);

// A file's bytes, and whether it is there at all.
struct FileBytes {
  bool exists = false;
  std::string bytes;
};
FileBytes ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
// Removes the three start-up files, so that a scenario starts without them.
void RemoveStartupFiles();

}  // namespace e2e
