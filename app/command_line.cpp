#include "app/command_line.h"

#include <vector>

#include "machine/banshee.h"

namespace {

// Blank-separated words; a quoted part keeps its blanks and loses its
// quotes.
std::vector<std::string> Words(const std::string& tail) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false, quoted = false;
  for (char c : tail) {
    if (c == '"') {
      quoted = !quoted;
      inWord = true;
    } else if ((c == ' ' || c == '\t') && !quoted) {
      if (inWord) words.push_back(word);
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) words.push_back(word);
  return words;
}

struct Switch {
  const char* name;
  settings::Command action;
  bool takesFile;
};

constexpr Switch kSwitches[] = {
    {"/EXPORT", settings::Command::Export, true},
    {"/IMPORT", settings::Command::Import, true},
    {"/RESTORE", settings::Command::Restore, false},
    {"/DEFAULTCLOCKS", settings::Command::DefaultClocks, false},
};
constexpr char kQuiet[] = "/QUIET";

}  // namespace

CommandLine ParseCommandLine(const std::string& tail) {
  CommandLine line;
  int actions = 0;
  bool stray = false;
  const std::vector<std::string> words = Words(tail);
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string word = UpperCase(words[i]);
    if (word == kQuiet) {
      line.command = line.quiet = true;
      continue;
    }
    const Switch* found = nullptr;
    for (const Switch& entry : kSwitches)
      if (word == entry.name) found = &entry;
    if (found == nullptr) {
      stray = true;
      continue;
    }
    line.command = true;
    line.action = found->action;
    ++actions;
    if (!found->takesFile) continue;
    if (i + 1 == words.size() || words[i + 1].empty()) {
      stray = true;
      continue;
    }
    line.path = words[++i];
  }
  line.valid = actions == 1 && !stray;
  return line;
}
