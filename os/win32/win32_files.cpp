#include "os/win32/win32_files.h"

#include <windows.h>

#include <vector>

namespace os {

bool Win32Files::Exists(const std::string& path) {
  WIN32_FIND_DATAA found;
  const HANDLE search = FindFirstFileA(path.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return true;
}

bool Win32Files::ReadFixedVersion(const std::string& path,
                                  FixedVersion& version) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
  if (size == 0) return false;
  std::vector<char> block(size);
  if (!GetFileVersionInfoA(path.c_str(), 0, size, block.data())) return false;
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT fixedSize = 0;
  char root[] = "\\";
  if (!VerQueryValueA(block.data(), root, reinterpret_cast<void**>(&fixed),
                      &fixedSize) ||
      fixed == nullptr || fixedSize < sizeof *fixed)
    return false;
  version.fileVersionMS = fixed->dwFileVersionMS;
  version.fileVersionLS = fixed->dwFileVersionLS;
  version.strucVersion = fixed->dwStrucVersion;
  return true;
}

}  // namespace os
