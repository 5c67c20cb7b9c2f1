#pragma once

#include <initializer_list>
#include <random>
#include <string>

// Generated "c:\autoexec.bat" contents: every line ending, zero bytes, a
// trailing Ctrl-Z, lines of 179, 180 and 2000 characters, call lines in any
// letter case, with a trailing blank or starting a later read of a longer
// line. The same seed gives the same files everywhere.
class StartupFileCases {
 public:
  std::string Next();

 private:
  std::string Line();
  std::string Call();
  std::string AnyCase(std::string text);
  int Pick(int from, int to);
  std::string Pick(std::initializer_list<const char*> texts);

  std::mt19937 random_{1998};
};

// What "c:\autoexec.bat" holds after the first Apply: the original bytes
// when a whole line of them, in any letter case, is a call line; otherwise
// the original bytes without a final end-of-file mark, then the call block.
std::string AfterFirstApply(const std::string& original);
