#include "app/command_line.h"

#include <vector>

#include "machine/banshee.h"

namespace {

struct Word {
  std::string text;
  std::size_t end;  // where it ends in the tail
};

// Blank-separated words; a quoted part keeps its blanks and loses its
// quotes.
std::vector<Word> Words(const std::string& tail) {
  std::vector<Word> words;
  std::string word;
  bool inWord = false, quoted = false;
  for (std::size_t i = 0; i < tail.size(); ++i) {
    const char c = tail[i];
    if (c == '"') {
      quoted = !quoted;
      inWord = true;
    } else if ((c == ' ' || c == '\t') && !quoted) {
      if (inWord) words.push_back({word, i});
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) words.push_back({word, tail.size()});
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
    {"/SAVEPROFILE", settings::Command::SaveProfile, true},
    {"/PROFILE", settings::Command::Profile, true},
};
constexpr char kQuiet[] = "/QUIET";
constexpr char kRun[] = "/RUN";

}  // namespace

CommandLine ParseCommandLine(const std::string& tail) {
  CommandLine line;
  int actions = 0;
  bool stray = false;
  const std::vector<Word> words = Words(tail);
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string word = UpperCase(words[i].text);
    if (word == kQuiet) {
      line.command = line.quiet = true;
      continue;
    }
    if (word == kRun) {
      line.command = line.run = true;
      if (i + 1 == words.size() || words[i + 1].text.empty()) {
        stray = true;
        break;
      }
      line.program = words[i + 1].text;
      const std::size_t rest =
          tail.find_first_not_of(" \t", words[i + 1].end);
      if (rest != std::string::npos) line.arguments = tail.substr(rest);
      break;
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
    if (i + 1 == words.size() || words[i + 1].text.empty()) {
      stray = true;
      continue;
    }
    line.path = words[++i].text;
  }
  line.valid = actions == 1 && !stray &&
               (!line.run || line.action == settings::Command::Profile);
  return line;
}
