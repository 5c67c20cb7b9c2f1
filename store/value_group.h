#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "os/registry.h"

// A group of values of one key that an Apply replaces as a whole: the
// drivers read a switch that is missing as its default, so a group is
// deleted first and then only the values that differ from the default are
// written, in their order. A group that cannot be written whole is put back
// as it was, so that no value the user had is lost to a write that failed.
struct GroupValue {
  std::string name;
  os::ValueType type = os::ValueType::None;
  std::vector<unsigned char> bytes;

  static GroupValue Text(const std::string& name, const std::string& text);
  static GroupValue Dword(const std::string& name, std::uint32_t number);
  static GroupValue Byte(const std::string& name, unsigned char byte);
};

// Opens the key for writing (creating it unless nothing is written), reads
// every value of the group (the deleted names and the written ones) as it
// is, deletes `deleted` and sets `written` in their order. Nothing is deleted when the key does not
// open or a value cannot be read; when a deletion or a write fails, each
// value read is set back and each one that was missing is deleted again.
// True when the group was written whole.
bool ReplaceGroup(os::Registry& registry, os::Root root,
                  const std::string& path,
                  const std::vector<const char*>& deleted,
                  const std::vector<GroupValue>& written);
