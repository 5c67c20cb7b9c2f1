#pragma once

#include <cstdint>
#include <string>

namespace os {

constexpr std::uint32_t kPlatformWindows = 1;  // VER_PLATFORM_WIN32_WINDOWS
constexpr std::uint32_t kPlatformNT = 2;       // VER_PLATFORM_WIN32_NT

struct VersionInfo {
  std::uint32_t major = 0;
  std::uint32_t minor = 0;
  std::uint32_t build = 0;
  std::uint32_t platformId = 0;
};

// Version and system information: GetVersionExA, GetSystemDirectoryA,
// GetWindowsDirectoryA and GetModuleFileNameA.
class System {
 public:
  virtual ~System() = default;

  // Fills the record from an OSVERSIONINFOA of 148 bytes; false when the call
  // fails, leaving the record as it was.
  virtual bool GetVersion(VersionInfo& info) = 0;
  virtual std::string SystemDirectory() = 0;
  virtual std::string WindowsDirectory() = 0;
  // The program's own file, whole however long it is; empty when unknown.
  virtual std::string ModulePath() = 0;
};

}  // namespace os
