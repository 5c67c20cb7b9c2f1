#include "contract/files_contract.h"

#include <algorithm>
#include <vector>

void PrintTo(const FilesUnderTest& files, std::ostream* out) {
  *out << files.name;
}

std::string FilesName(const ::testing::TestParamInfo<FilesUnderTest>& info) {
  return info.param.name;
}

namespace {

using Reads = std::vector<std::string>;

TEST_P(FilesContract, ReadsEndAtLineFeedsOrAtTheLongestPiece) {
  struct Case {
    std::string bytes;
    Reads reads;
  };
  const Case cases[] = {
      {"", {}},
      {"ab\r\ncd", {"ab\n", "cd"}},
      {"ab\ncd\n", {"ab\n", "cd\n"}},
      {"0123456789\r\n", {"01234567", "89\n"}},
      {"a\rb\r\n", {"a\rb\n"}},
      // A read is a C string: it ends at its first zero byte.
      {std::string("a\0b\r\ncd", 7), {"a", "cd"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bytes);
    const std::string path = place_->Path("read.txt");
    place_->Put(path, c.bytes);
    Reads reads;
    ASSERT_TRUE(place_->files().ReadTextPieces(path, 8, reads));
    EXPECT_EQ(c.reads, reads);
  }
  Reads none;
  EXPECT_FALSE(place_->files().ReadTextPieces(place_->Path("gone"), 8, none));
}

TEST_P(FilesContract, WritesTurnLineFeedsIntoCarriageReturnAndLineFeed) {
  os::Files& files = place_->files();
  const std::string path = place_->Path("write.txt");
  ASSERT_TRUE(files.AppendText(path, "\nx\n"));
  EXPECT_EQ("\r\nx\r\n", place_->Bytes(path));
  place_->Put(path, "a\r\nb");
  ASSERT_TRUE(files.AppendText(path, "\nc\n"));
  EXPECT_EQ("a\r\nb\r\nc\r\n", place_->Bytes(path));
  // Only a Ctrl-Z that ends the file goes: the text follows the lines.
  place_->Put(path, "a\x1a\r\n\x1a");
  ASSERT_TRUE(files.AppendText(path, "\nc\n"));
  EXPECT_EQ("a\x1a\r\n\r\nc\r\n", place_->Bytes(path));
  ASSERT_TRUE(files.RewriteText(path, "set x=1"));
  EXPECT_EQ("set x=1", place_->Bytes(path));
  ASSERT_TRUE(files.RewriteText(path, ""));
  EXPECT_EQ("", place_->Bytes(path));
}

TEST_P(FilesContract, AReadOnlyFileReadsAndCopiesButTakesNoWrite) {
  os::Files& files = place_->files();
  const std::string path = place_->Path("locked.bat");
  place_->Put(path, "rem locked\r\n");
  place_->MakeReadOnly(path);
  if (!place_->ReadOnlyHolds(path))
    GTEST_SKIP() << "this file system writes read-only files";
  Reads reads;
  EXPECT_TRUE(files.ReadTextPieces(path, 80, reads));
  EXPECT_EQ(Reads{"rem locked\n"}, reads);
  EXPECT_FALSE(files.AppendText(path, "\nx\n"));
  EXPECT_FALSE(files.RewriteText(path, "x"));
  EXPECT_EQ("rem locked\r\n", place_->Bytes(path));
  EXPECT_TRUE(files.CopyIfAbsent(path, place_->Path("copy.kvt")));
  EXPECT_EQ("rem locked\r\n", place_->Bytes(place_->Path("copy.kvt")));
  EXPECT_FALSE(files.WriteBytes(path, "x", true));
  std::string bytes;
  EXPECT_TRUE(files.ReadBytes(path, 100, bytes));
  EXPECT_EQ("rem locked\r\n", bytes);
}

TEST_P(FilesContract, WholeFilesAreByteForByteAndNewOnlyUnlessReplaced) {
  os::Files& files = place_->files();
  const std::string path = place_->Path("settings.reg");
  std::string bytes;
  EXPECT_FALSE(files.ReadBytes(path, 100, bytes));
  const std::string text("a\r\nb\n\x1a\0c", 8);
  ASSERT_TRUE(files.WriteBytes(path, text, false));
  EXPECT_EQ(text, place_->Bytes(path));
  EXPECT_FALSE(files.WriteBytes(path, "other", false));
  ASSERT_TRUE(files.ReadBytes(path, 8, bytes));
  EXPECT_EQ(text, bytes);
  EXPECT_FALSE(files.ReadBytes(path, 7, bytes));
  ASSERT_TRUE(files.WriteBytes(path, "", true));
  EXPECT_EQ("", place_->Bytes(path));
}

TEST_P(FilesContract, TheCopyNeverOverwrites) {
  os::Files& files = place_->files();
  const std::string from = place_->Path("from.bat");
  const std::string to = place_->Path("to.kvt");
  EXPECT_FALSE(files.CopyIfAbsent(from, to));
  EXPECT_EQ(std::nullopt, place_->Bytes(to));
  place_->Put(from, "first");
  EXPECT_TRUE(files.CopyIfAbsent(from, to));
  place_->Put(from, "second");
  EXPECT_FALSE(files.CopyIfAbsent(from, to));
  EXPECT_EQ("first", place_->Bytes(to));
}

// A folder made (again), its files listed by their extension in any case,
// not by a longer one (Windows matches "*.reg" against 8.3 names too, so
// "c.regx" as "C~1.REG"), and a file removed once.
TEST_P(FilesContract, AFolderListsItsFilesByExtension) {
  os::Files& files = place_->files();
  const std::string folder = place_->Path("profiles");
  EXPECT_TRUE(files.FileNames(folder, ".reg").empty());
  ASSERT_TRUE(files.MakeFolder(folder));
  EXPECT_TRUE(files.MakeFolder(folder));
  const char* const kNames[] = {"a.reg", "B.REG", "c.regx", "d.txt"};
  for (const char* name : kNames) place_->Put(folder + "\\" + name, "x");
  std::vector<std::string> names = files.FileNames(folder, ".reg");
  std::sort(names.begin(), names.end());
  EXPECT_EQ((std::vector<std::string>{"B.REG", "a.reg"}), names);
  EXPECT_TRUE(files.Remove(folder + "\\a.reg"));
  EXPECT_FALSE(files.Remove(folder + "\\a.reg"));
  EXPECT_EQ(std::vector<std::string>{"B.REG"}, files.FileNames(folder, ".reg"));
  for (const char* name : kNames) files.Remove(folder + "\\" + name);
}

}  // namespace
