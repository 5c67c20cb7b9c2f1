// The start-up file's handling over real files and Wine's C runtime, for a
// sample of the generated start-up files that the unit tier runs a thousand
// of against the in-memory files.
#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>

#include "contract/startup_file_cases.h"
#include "os/win32/win32_files.h"
#include "pages/performance/startup_files.h"

namespace {

constexpr int kSample = 100;
const std::string kStartup = performance::kStartupFile;
const std::string kCopy = performance::kStartupCopy;

std::optional<std::string> Bytes(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return std::nullopt;
  std::string bytes;
  char buffer[4096];
  std::size_t read = 0;
  while ((read = std::fread(buffer, 1, sizeof buffer, file)) > 0)
    bytes.append(buffer, read);
  std::fclose(file);
  return bytes;
}

void Put(const std::string& path, const std::string& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(nullptr, file) << path;
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
}

// The end of a file, where the block goes.
std::string Tail(const std::string& bytes) {
  return testing::PrintToString(
      bytes.size() > 120 ? bytes.substr(bytes.size() - 120) : bytes);
}

void Restore(const std::string& path, const std::optional<std::string>& bytes) {
  std::remove(path.c_str());
  if (bytes) Put(path, *bytes);
}

TEST(StartupFilesUnderWine, KeepEveryByteOfASampleOfStartupFiles) {
  const std::optional<std::string> startup = Bytes(kStartup);
  const std::optional<std::string> copy = Bytes(kCopy);
  os::Win32Files files;
  StartupFileCases cases;
  int wrong = 0;
  for (int i = 0; i < kSample; ++i) {
    const std::string file = cases.Next();
    Put(kStartup, file);
    std::remove(kCopy.c_str());
    performance::KeepStartupCall(files);
    performance::KeepStartupCall(files);
    const std::string expected = AfterFirstApply(file);
    if (Bytes(kCopy) != file || Bytes(kStartup) != expected) {
      if (++wrong == 1)
        ADD_FAILURE() << "for instance a file ending " << Tail(file)
                      << " came to end " << Tail(Bytes(kStartup).value_or(""));
    }
  }
  EXPECT_EQ(0, wrong);
  Restore(kStartup, startup);
  Restore(kCopy, copy);
}

}  // namespace
