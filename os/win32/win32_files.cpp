#include "os/win32/win32_files.h"

#include <windows.h>

#include <cstdio>
#include <vector>

namespace os {
namespace {

bool WriteTextStream(const std::string& path, const char* mode,
                     const std::string& text) {
  std::FILE* file = std::fopen(path.c_str(), mode);
  if (file == nullptr) return false;
  std::fwrite(text.data(), 1, text.size(), file);
  std::fclose(file);
  return true;
}

constexpr char kEndOfFileMark = '\x1a';

// Windows' C runtime drops a Ctrl-Z that ends a file when "a+t" opens it,
// so that what is appended follows the text; Wine's keeps it, and the
// appended text would land after the mark where DOS stops reading. Dropping
// it here first makes both append alike. A file that will not open for
// writing is left alone; the append then fails too.
void DropEndOfFileMark(const std::string& path) {
  const HANDLE file =
      CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  char last = 0;
  DWORD read = 0;
  if (SetFilePointer(file, -1, nullptr, FILE_END) != INVALID_SET_FILE_POINTER &&
      ReadFile(file, &last, 1, &read, nullptr) && read == 1 &&
      last == kEndOfFileMark &&
      SetFilePointer(file, -1, nullptr, FILE_END) != INVALID_SET_FILE_POINTER)
    SetEndOfFile(file);
  CloseHandle(file);
}

}  // namespace

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

bool Win32Files::CopyIfAbsent(const std::string& from, const std::string& to) {
  return CopyFileA(from.c_str(), to.c_str(), TRUE) != 0;
}

bool Win32Files::ReadTextPieces(const std::string& path, std::size_t longest,
                                std::vector<std::string>& reads) {
  std::FILE* file = std::fopen(path.c_str(), "rt");
  if (file == nullptr) return false;
  std::vector<char> buffer(longest + 1);
  while (std::fgets(buffer.data(), static_cast<int>(buffer.size()), file))
    reads.emplace_back(buffer.data());
  std::fclose(file);
  return true;
}

bool Win32Files::AppendText(const std::string& path, const std::string& text) {
  DropEndOfFileMark(path);
  return WriteTextStream(path, "a+t", text);
}

bool Win32Files::RewriteText(const std::string& path, const std::string& text) {
  return WriteTextStream(path, "w+t", text);
}

bool Win32Files::ReadBytes(const std::string& path, std::size_t longest,
                           std::string& bytes) {
  const HANDLE file =
      CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const DWORD size = GetFileSize(file, nullptr);
  bool read = size != INVALID_FILE_SIZE && size <= longest;
  if (read) {
    bytes.assign(size, '\0');
    DWORD count = 0;
    read = size == 0 || (ReadFile(file, &bytes[0], size, &count, nullptr) &&
                         count == size);
  }
  CloseHandle(file);
  return read;
}

bool Win32Files::WriteBytes(const std::string& path, const std::string& bytes,
                            bool replace) {
  const HANDLE file = CreateFileA(
      path.c_str(), GENERIC_WRITE, 0, nullptr,
      replace ? CREATE_ALWAYS : CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const DWORD size = static_cast<DWORD>(bytes.size());
  const bool whole =
      size == 0 || (WriteFile(file, bytes.data(), size, &written, nullptr) &&
                    written == size);
  CloseHandle(file);
  if (!whole) DeleteFileA(path.c_str());
  return whole;
}

bool Win32Files::MakeFolder(const std::string& path) {
  if (CreateDirectoryA(path.c_str(), nullptr)) return true;
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES &&
         (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// FindFirstFileA matches a pattern against the short 8.3 names too, so
// "*.reg" finds "a.registry" by its "AREGIS~1.REG": each long name is
// checked again.
std::vector<std::string> Win32Files::FileNames(const std::string& folder,
                                               const std::string& extension) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  const HANDLE search =
      FindFirstFileA((folder + "\\*" + extension).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::string name = found.cFileName;
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
        name.size() > extension.size() &&
        lstrcmpiA(name.c_str() + name.size() - extension.size(),
                  extension.c_str()) == 0)
      names.push_back(name);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}

bool Win32Files::Remove(const std::string& path) {
  return DeleteFileA(path.c_str()) != FALSE;
}

}  // namespace os
