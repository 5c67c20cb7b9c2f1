#include "e2e_paths.h"

#include <windows.h>

#include <cstdlib>

namespace e2e {
namespace {

// A variable that is not set gives a path that names it, so that the
// failure to start or open it says what is missing.
std::string FromEnvironment(const char* variable,
                            const std::string& below = "") {
  const char* value = std::getenv(variable);
  if (value == nullptr) return std::string("<") + variable + " not set>";
  const std::string path = below.empty() ? value : value + ("\\" + below);
  char full[MAX_PATH];
  const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
  return length > 0 && length < MAX_PATH ? std::string(full, length) : path;
}

}  // namespace

std::string ProgramPath() { return FromEnvironment("KVT_PROGRAM"); }

std::string ProbePath() { return FromEnvironment("KVT_PROBE"); }

std::string BareSheetPath() { return FromEnvironment("KVT_BARE_SHEET"); }

std::string FixturePath(const std::string& file) {
  return FromEnvironment("KVT_FIXTURES", file);
}

std::string ProfilePath(const std::string& profile) {
  return FromEnvironment("KVT_MACHINES", profile + ".reg");
}

std::string ScreenshotPath(const std::string& file) {
  return FromEnvironment("KVT_SCREENSHOTS", file);
}

}  // namespace e2e
