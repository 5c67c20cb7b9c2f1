#include "os/win32/win32_system.h"

#include <windows.h>

#include <vector>

namespace os {
namespace {

// Calls a directory query with a buffer large enough for its answer.
std::string Directory(UINT (WINAPI* query)(LPSTR, UINT)) {
  char buffer[MAX_PATH];
  const UINT length = query(buffer, MAX_PATH);
  if (length == 0) return std::string();
  if (length < MAX_PATH) return std::string(buffer, length);
  std::vector<char> large(length);
  const UINT again = query(large.data(), length);
  return again > 0 && again < length ? std::string(large.data(), again)
                                     : std::string();
}

}  // namespace

bool Win32System::GetVersion(VersionInfo& info) {
  OSVERSIONINFOA version = {};
  version.dwOSVersionInfoSize = sizeof version;  // 148 bytes
  if (!GetVersionExA(&version)) return false;
  info.major = version.dwMajorVersion;
  info.minor = version.dwMinorVersion;
  info.build = version.dwBuildNumber;
  info.platformId = version.dwPlatformId;
  return true;
}

std::string Win32System::SystemDirectory() {
  return Directory(GetSystemDirectoryA);
}

std::string Win32System::WindowsDirectory() {
  return Directory(GetWindowsDirectoryA);
}

// GetModuleFileNameA truncates silently when the buffer is too small (and on
// Windows 95 reports no error), so the buffer grows until the path fits with
// room to spare.
std::string Win32System::ModulePath() {
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameA(
        nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return std::string();
    if (length + 1 < buffer.size()) return std::string(buffer.data(), length);
    if (buffer.size() >= 32768) return std::string();
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace os
