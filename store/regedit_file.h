#pragma once

#include <string>
#include <vector>

#include "os/registry.h"
#include "store/peek.h"

// Registry files in the REGEDIT4 form that the registry editor of Windows
// 95/98 and NT 4.0 imports and exports: CR LF line ends, "REGEDIT4" and a
// blank line, then each key as [root\path] followed by its values, "name"=
// and "text" (with \\ and \" escaped), dword:0000000a, hex:01,02 (binary) or
// hex(N): (any other type, and texts that the quoted form cannot carry
// byte for byte), @ for a key's default value, long hex lists continued
// with ",\" and two blanks on the next line.
//
// A value that did not exist is kept as the comment line ;"name"=- , which
// the registry editor passes over; the program reads it back to remove the
// value again.
namespace regedit {

struct Entry {
  os::Root root = os::Root::LocalMachine;
  std::string key;
  std::string name;  // empty: the key's default value
  bool present = true;
  RawValue value;
  int line = 0;  // where Read found it
};

std::string Write(const std::vector<Entry>& entries);

// The first line that is not in the form Write makes, and what is wrong.
struct Problem {
  int line = 0;
  std::string what;
};
bool Read(const std::string& text, std::vector<Entry>& entries,
          Problem& problem);

}  // namespace regedit
