#pragma once

#include <string>

#include "machine/settings_command.h"

// The command line: kvtune /export FILE, /import FILE, /restore,
// /defaultclocks, /saveprofile NAME or /profile NAME, each with /quiet or
// not; /profile NAME may be followed by /run PROGRAM and the program's
// arguments, which end the line. A line without any of these switches is an
// ordinary start.
struct CommandLine {
  bool command = false;  // a switch was given
  bool valid = false;    // exactly one command, with its file when it takes one
  settings::Command action = settings::Command::Restore;
  std::string path;      // the file, or the profile's name
  bool run = false;      // /run PROGRAM after /profile NAME
  std::string program;
  std::string arguments;  // as written after the program
  bool quiet = false;
};

inline constexpr const char kUsageMessage[] =
    "Usage: kvtune [/export FILE | /import FILE | /restore | /defaultclocks "
    "| /saveprofile NAME | /profile NAME [/run PROGRAM [ARGUMENTS]]] [/quiet]";

// The command tail as WinMain receives it; a file name with blanks is
// quoted.
CommandLine ParseCommandLine(const std::string& tail);
