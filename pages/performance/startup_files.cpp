#include "pages/performance/startup_files.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace performance {
namespace {

constexpr const char* kCallLines[] = {
    "call c:\\kvartune.bat",
    "call c:\\kvartune.bat\n",
    "@if exist c:\\kvartune.bat call c:\\kvartune.bat",
    "@if exist c:\\kvartune.bat call c:\\kvartune.bat\n",
};

std::string Lowered(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  });
  return text;
}

}  // namespace

bool IsCallLine(const std::string& read) {
  const std::string lowered = Lowered(read);
  return std::any_of(std::begin(kCallLines), std::end(kCallLines),
                     [&](const char* line) { return lowered == line; });
}

bool KeepStartupCall(os::Files& files) {
  files.CopyIfAbsent(kStartupFile, kStartupCopy);
  std::vector<std::string> reads;
  if (files.ReadTextPieces(kStartupFile, kLongestRead, reads)) {
    // Only a read that starts a line can be a call line: the tail of a
    // longer line that happens to read like one calls nothing. A read
    // shorter than the longest ended its line (or stopped at a zero byte).
    bool lineStart = true;
    for (const std::string& read : reads) {
      if (lineStart && IsCallLine(read)) return false;
      lineStart = read.size() < kLongestRead || read.back() == '\n';
    }
  }
  files.AppendText(kStartupFile, kCallBlock);
  return true;
}

void WriteSplashBatch(os::Files& files, bool noSplash) {
  files.RewriteText(kSplashBatch, noSplash ? kSplashLine : "");
}

}  // namespace performance
