#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "os/files.h"

// A folder of files for one test, with the means to seed and inspect bytes
// behind the interface's back.
class FilePlace {
 public:
  virtual ~FilePlace() = default;
  virtual os::Files& files() = 0;
  // A path in this test's own empty folder.
  virtual std::string Path(const std::string& name) = 0;
  virtual void Put(const std::string& path, const std::string& bytes) = 0;
  virtual std::optional<std::string> Bytes(const std::string& path) = 0;
  virtual void MakeReadOnly(const std::string& path) = 0;
  // False where the file system lets a read-only file be written after all,
  // as Wine does for root, who may write any file.
  virtual bool ReadOnlyHolds(const std::string& path) = 0;
};

// One suite, run against the in-memory files and against real ones under
// Wine, so that the fake keeps the C runtime's text streams and CopyFileA.
struct FilesUnderTest {
  std::string name;
  std::function<std::unique_ptr<FilePlace>()> make;
};

void PrintTo(const FilesUnderTest& files, std::ostream* out);
std::string FilesName(const ::testing::TestParamInfo<FilesUnderTest>& info);

class FilesContract : public ::testing::TestWithParam<FilesUnderTest> {
 protected:
  void SetUp() override { place_ = GetParam().make(); }
  std::unique_ptr<FilePlace> place_;
};
