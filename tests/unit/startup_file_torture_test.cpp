// The Windows 95/98 Apply over a thousand generated start-up files: every
// line ending, zero bytes, a trailing Ctrl-Z, lines of 179, 180 and 2000
// characters, call lines in any letter case and split across reads, no
// file, an empty and a read-only one. The first Apply keeps the original
// bytes in the copy and adds the call block after them unless a line of the
// file is a call line; a second Apply changes nothing.
#include <random>

#include "performance_fixture.h"

namespace {

const std::string kStartup = "c:\\autoexec.bat";
const std::string kCopy = "c:\\autoexec.kvt";
const std::string kBlock =
    "\r\n@if exist c:\\kvartune.bat call c:\\kvartune.bat\r\n";
const std::string kCalls[] = {
    "call c:\\kvartune.bat",
    "@if exist c:\\kvartune.bat call c:\\kvartune.bat",
};

// Whether a whole line of the file, without its line end and in any letter
// case, is one of the call lines.
bool HasCallLine(const std::string& bytes) {
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    std::string line = bytes.substr(start, end - start);
    if (!line.empty() && line.back() == '\r' && end < bytes.size())
      line.pop_back();
    for (char& c : line) c = static_cast<char>(std::tolower(c));
    for (const std::string& call : kCalls)
      if (line == call) return true;
    start = end + 1;
  }
  return false;
}

std::string WithoutEndOfFileMark(std::string bytes) {
  if (!bytes.empty() && bytes.back() == '\x1a') bytes.pop_back();
  return bytes;
}

class Generator {
 public:
  std::string Next() {
    std::string file;
    const int lines = Pick(0, 6);
    bool lineStart = true;
    for (int i = 0; i < lines; ++i) {
      const bool last = i + 1 == lines;
      std::string ending = Pick({"\r\n", "\n", "\r", ""});
      if (ending.empty() && !last) ending = "\r\n";
      file += Line() + ending;
      lineStart = ending == "\r\n" || ending == "\n";
    }
    // An editor writes its end-of-file mark after the last line end.
    if (lineStart && Pick(0, 7) == 0) file += '\x1a';
    return file;
  }

 private:
  std::string Line() {
    switch (Pick(0, 9)) {
      case 0:
        return "rem " + std::string(Pick(0, 3), 'x');
      case 1:
        return std::string(179, 'a');
      case 2:
        return std::string(180, 'b');
      case 3:
        return std::string(2000, 'c');
      case 4:
        // The call text starts a later read of a longer line.
        return std::string(179 * Pick(1, 2), 'd') + AnyCase(Call());
      case 5:
        return AnyCase(Call()) + " ";
      case 6:
        return std::string("re\0m", 4);
      case 7:
        return "";
      default:
        return AnyCase(Call());
    }
  }
  std::string Call() { return kCalls[Pick(0, 1)]; }
  std::string AnyCase(std::string text) {
    for (char& c : text)
      if (Pick(0, 1) == 0) c = static_cast<char>(std::toupper(c));
    return text;
  }
  int Pick(int from, int to) {
    return std::uniform_int_distribution<int>(from, to)(random_);
  }
  std::string Pick(std::initializer_list<const char*> texts) {
    return *(texts.begin() + Pick(0, static_cast<int>(texts.size()) - 1));
  }

  std::mt19937 random_{1998};
};

class StartupFileTorture : public PerformanceTest {
 protected:
  void Apply() { page->Apply95(); }
};

TEST_F(StartupFileTorture, KeepsEveryByteOfAThousandStartupFiles) {
  Cards95();
  Generator generator;
  std::vector<std::string> wrong;
  for (int i = 0; i < 1000; ++i) {
    const std::string file = generator.Next();
    files.contents = {{kStartup, file}};
    Show();
    Apply();
    // The block goes before an end-of-file mark, which goes.
    const std::string expected =
        HasCallLine(file) ? file : WithoutEndOfFileMark(file) + kBlock;
    const bool first =
        files.contents[kCopy] == file && files.contents[kStartup] == expected;
    Apply();
    if (!first || files.contents[kCopy] != file ||
        files.contents[kStartup] != expected)
      wrong.push_back(testing::PrintToString(file).substr(0, 400));
  }
  EXPECT_EQ(0u, wrong.size()) << "for instance " << wrong.front();
}

TEST_F(StartupFileTorture, NoFileAndAReadOnlyOne) {
  Cards95();
  Show();
  Apply();
  EXPECT_EQ(kBlock, files.contents[kStartup]);
  EXPECT_EQ(0u, files.contents.count(kCopy));

  files.contents = {{kStartup, "rem locked\r\n"}};
  files.readOnly = {kStartup};
  Apply();
  EXPECT_EQ("rem locked\r\n", files.contents[kStartup]);
  EXPECT_EQ("rem locked\r\n", files.contents[kCopy]);
}

}  // namespace
