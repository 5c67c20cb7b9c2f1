#pragma once

#include <string>

#include "os/system.h"

// The three Windows families, held as these texts and compared exactly.
namespace family {
inline constexpr const char kWindows95[] = "Windows95";
inline constexpr const char kWindowsNT[] = "WindowsNT";
inline constexpr const char kNonWindows[] = "NonWindows";
}  // namespace family

// Windows 95/98 for platform 1, Windows NT for platform 2, anything else is
// not Windows. The version numbers are not looked at.
std::string OsFamily(os::System& system);
