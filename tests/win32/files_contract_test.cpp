#include <windows.h>

#include <cstdio>

#include "contract/files_contract.h"
#include "os/win32/win32_files.h"

namespace {

// A fresh folder below the temporary folder, removed with its files.
class WinePlace : public FilePlace {
 public:
  WinePlace() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    folder_ = std::string(temp) + "kvt_files_contract\\";
    CreateDirectoryA(folder_.c_str(), nullptr);
    Clear();
  }
  ~WinePlace() override {
    Clear();
    RemoveDirectoryA(folder_.c_str());
  }
  os::Files& files() override { return files_; }
  std::string Path(const std::string& name) override { return folder_ + name; }
  void Put(const std::string& path, const std::string& bytes) override {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return;
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
  }
  std::optional<std::string> Bytes(const std::string& path) override {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return std::nullopt;
    std::string bytes;
    int c;
    while ((c = std::fgetc(file)) != EOF) bytes += static_cast<char>(c);
    std::fclose(file);
    return bytes;
  }
  void MakeReadOnly(const std::string& path) override {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  }
  bool ReadOnlyHolds(const std::string& path) override {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return true;
    CloseHandle(file);
    return false;
  }

 private:
  void Clear() {
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((folder_ + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
      const std::string path = folder_ + found.cFileName;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
      SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA(path.c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }

  std::string folder_;
  os::Win32Files files_;
};

}  // namespace

INSTANTIATE_TEST_SUITE_P(
    Wine, FilesContract,
    ::testing::Values(FilesUnderTest{
        "Wine", [] { return std::make_unique<WinePlace>(); }}),
    FilesName);
