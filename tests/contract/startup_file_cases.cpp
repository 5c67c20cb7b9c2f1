#include "contract/startup_file_cases.h"

#include <cctype>

namespace {

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

}  // namespace

std::string AfterFirstApply(const std::string& original) {
  if (HasCallLine(original)) return original;
  std::string bytes = original;
  if (!bytes.empty() && bytes.back() == '\x1a') bytes.pop_back();
  return bytes + kBlock;
}

std::string StartupFileCases::Next() {
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

std::string StartupFileCases::Line() {
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

std::string StartupFileCases::Call() { return kCalls[Pick(0, 1)]; }

std::string StartupFileCases::AnyCase(std::string text) {
  for (char& c : text)
    if (Pick(0, 1) == 0) c = static_cast<char>(std::toupper(c));
  return text;
}

int StartupFileCases::Pick(int from, int to) {
  return std::uniform_int_distribution<int>(from, to)(random_);
}

std::string StartupFileCases::Pick(std::initializer_list<const char*> texts) {
  return *(texts.begin() + Pick(0, static_cast<int>(texts.size()) - 1));
}
