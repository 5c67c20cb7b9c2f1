#pragma once

#include <string>

#include "os/files.h"

// Windows 95/98 learns the splash switch from a one-line batch file that the
// system start-up file calls. The start-up file is the user's: it is copied
// once before its first change, and the program only ever adds its call
// block at the end.
namespace performance {

inline constexpr const char kStartupFile[] = "c:\\autoexec.bat";
inline constexpr const char kStartupCopy[] = "c:\\autoexec.kvt";
inline constexpr const char kSplashBatch[] = "c:\\kvartune.bat";
inline constexpr const char kCallBlock[] =
    "\n@if exist c:\\kvartune.bat call c:\\kvartune.bat\n";
inline constexpr const char kSplashLine[] = "set FX_GLIDE_NO_SPLASH=1";
// The longest piece of a line that one read of the start-up file takes.
inline constexpr std::size_t kLongestRead = 179;

// A read of the start-up file that is one of the call lines, without regard
// to letter case.
bool IsCallLine(const std::string& read);
// Copies the start-up file to the never-overwritten copy, then appends the
// call block unless a read of the file is a call line. True when no call
// line was found (whether or not the append could open the file).
bool KeepStartupCall(os::Files& files);
// Rewrites the batch file: the splash line when `noSplash`, else empty.
void WriteSplashBatch(os::Files& files, bool noSplash);

}  // namespace performance
