// The Windows 95/98 Apply over a thousand generated start-up files: every
// line ending, zero bytes, a trailing Ctrl-Z, lines of 179, 180 and 2000
// characters, call lines in any letter case and split across reads, no
// file, an empty and a read-only one. The first Apply keeps the original
// bytes in the copy and adds the call block after them unless a line of the
// file is a call line; a second Apply changes nothing.
#include "contract/startup_file_cases.h"
#include "performance_fixture.h"

namespace {

const std::string kStartup = "c:\\autoexec.bat";
const std::string kCopy = "c:\\autoexec.kvt";
const std::string kBlock =
    "\r\n@if exist c:\\kvartune.bat call c:\\kvartune.bat\r\n";

class StartupFileTorture : public PerformanceTest {
 protected:
  void Apply() { page->Apply95(); }
};

TEST_F(StartupFileTorture, KeepsEveryByteOfAThousandStartupFiles) {
  Cards95();
  StartupFileCases cases;
  std::vector<std::string> wrong;
  for (int i = 0; i < 1000; ++i) {
    const std::string file = cases.Next();
    files.contents = {{kStartup, file}};
    Show();
    Apply();
    const std::string expected = AfterFirstApply(file);
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
