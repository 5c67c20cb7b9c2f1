#pragma once

#include <string>

#include "machine/settings_command.h"

// The command line: kvtune /export FILE, /import FILE, /restore or
// /defaultclocks, each with /quiet or not. A line without any of these
// switches is an ordinary start.
struct CommandLine {
  bool command = false;  // a switch was given
  bool valid = false;    // exactly one command, with its file when it takes one
  settings::Command action = settings::Command::Restore;
  std::string path;
  bool quiet = false;
};

inline constexpr const char kUsageMessage[] =
    "Usage: kvtune [/export FILE | /import FILE | /restore | /defaultclocks] "
    "[/quiet]";

// The command tail as WinMain receives it; a file name with blanks is
// quoted.
CommandLine ParseCommandLine(const std::string& tail);
