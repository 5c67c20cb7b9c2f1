#include "performance_page.h"

#include <cstdio>

namespace e2e {

FileBytes ReadFileBytes(const std::string& path) {
  FileBytes file;
  std::FILE* stream = std::fopen(path.c_str(), "rb");
  if (stream == nullptr) return file;
  file.exists = true;
  for (int c; (c = std::fgetc(stream)) != EOF;)
    file.bytes += static_cast<char>(c);
  std::fclose(stream);
  return file;
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::FILE* stream = std::fopen(path.c_str(), "wb");
  if (stream == nullptr) return;
  std::fwrite(bytes.data(), 1, bytes.size(), stream);
  std::fclose(stream);
}

void RemoveStartupFiles() {
  for (const std::string& path : {kStartupFile, kStartupCopy, kSplashBatch}) {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path.c_str());
  }
}

}  // namespace e2e
