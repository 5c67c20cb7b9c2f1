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
  if (files.ReadTextPieces(kStartupFile, kLongestRead, reads) &&
      std::any_of(reads.begin(), reads.end(), IsCallLine))
    return false;
  files.AppendText(kStartupFile, kCallBlock);
  return true;
}

void WriteSplashBatch(os::Files& files, bool noSplash) {
  files.RewriteText(kSplashBatch, noSplash ? kSplashLine : "");
}

}  // namespace performance
