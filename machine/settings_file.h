#pragma once

#include <string>
#include <vector>

#include "machine/managed_set.h"
#include "os/registry.h"
#include "store/regedit_file.h"

// The managed set and registry files: its state read into entries, a file's
// entries checked against it, and entries written back.
namespace settings {

// Every value of the set as it is now, or its absence. Reads only; false
// when a read failed for another reason than a missing key or value.
bool Snapshot(os::Registry& registry, const std::vector<managed::Value>& set,
              std::vector<regedit::Entry>& entries);

enum class Check {
  // The restore point holds what was: the values of the set are taken as
  // they were, and what is no longer in the set (a card since removed) is
  // passed over.
  Restore,
  // An import: every entry a value of the set, of the type and size the
  // program writes.
  Import,
  // A profile: as an import, of the values a profile holds.
  Profile,
};
// Takes the set's own spelling of each entry's key and name; false with
// the first entry that the check refuses.
bool Admit(const std::vector<managed::Value>& set, Check check,
           std::vector<regedit::Entry>& entries, regedit::Problem& problem);

// A registry file's text read and admitted whole.
bool Parse(const std::string& text, const std::vector<managed::Value>& set,
           Check check, std::vector<regedit::Entry>& entries,
           regedit::Problem& problem);

struct Outcome {
  bool complete = true;  // every value was written or removed
  bool restart = false;  // a clock or the memory size changed
};
// Sets each present entry's value and removes each absent one.
Outcome Apply(os::Registry& registry, const std::vector<managed::Value>& set,
              const std::vector<regedit::Entry>& entries);

}  // namespace settings
