#include "machine/settings_file.h"

#include <cctype>

namespace settings {
namespace {

// Registry names compare without regard to case.
bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::toupper(static_cast<unsigned char>(a[i])) !=
        std::toupper(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

const managed::Value* Find(const std::vector<managed::Value>& set,
                           const regedit::Entry& entry) {
  for (const managed::Value& value : set)
    if (value.root == entry.root && SameName(value.name, entry.name) &&
        SameName(value.key, entry.key))
      return &value;
  return nullptr;
}

long Write(os::Registry& registry, const regedit::Entry& entry) {
  os::KeyHandle key = 0;
  long result = registry.CreateKey(entry.root, entry.key,
                                   os::KeyOption::NonVolatile, key);
  if (result != os::error::kSuccess) return result;
  // Windows reads a text past the count it is given: Windows 95/98 stores a
  // REG_SZ up to its first zero whatever the count, and NT counts the zero
  // that follows a text without its own. So the bytes go from a copy with a
  // zero after them, which is never empty.
  std::vector<unsigned char> bytes = entry.value.bytes;
  bytes.push_back(0);
  result = registry.SetValue(key, entry.name, entry.value.type, bytes.data(),
                             static_cast<std::uint32_t>(bytes.size() - 1));
  registry.CloseKey(key);
  return result;
}

// Removing what is not there is done.
long Remove(os::Registry& registry, const regedit::Entry& entry) {
  os::KeyHandle key = 0;
  long result = registry.OpenKey(entry.root, entry.key, os::Access::Write, key);
  if (result == os::error::kSuccess) {
    result = registry.DeleteValue(key, entry.name);
    registry.CloseKey(key);
  }
  return result == os::error::kFileNotFound ? os::error::kSuccess : result;
}

bool Same(const RawValue& a, const RawValue& b) {
  return a.type == b.type && a.bytes == b.bytes;
}

}  // namespace

bool Snapshot(os::Registry& registry, const std::vector<managed::Value>& set,
              std::vector<regedit::Entry>& entries) {
  entries.clear();
  for (const managed::Value& value : set) {
    regedit::Entry entry;
    entry.root = value.root;
    entry.key = value.key;
    entry.name = value.name;
    const long read =
        PeekValue(registry, value.root, value.key, value.name, entry.value);
    if (read != os::error::kSuccess && read != os::error::kFileNotFound)
      return false;
    entry.present = read == os::error::kSuccess;
    entries.push_back(entry);
  }
  return true;
}

bool Admit(const std::vector<managed::Value>& set, Check check,
           std::vector<regedit::Entry>& entries, regedit::Problem& problem) {
  std::vector<regedit::Entry> admitted;
  for (regedit::Entry& entry : entries) {
    const managed::Value* value = Find(set, entry);
    if (value == nullptr && check == Check::Restore) continue;
    if (value == nullptr) {
      problem = {entry.line, "\"" + entry.name + "\" in " + entry.key +
                                 (check == Check::Profile
                                      ? " is no setting a profile holds"
                                      : " is no setting Kvartune keeps for "
                                        "this PC")};
      return false;
    }
    if (check != Check::Restore && entry.present &&
        !managed::Writable(value->form, entry.value.type, entry.value.bytes)) {
      problem = {entry.line, "\"" + entry.name +
                                 "\" is of a type or size Kvartune does not "
                                 "write"};
      return false;
    }
    entry.key = value->key;
    entry.name = value->name;
    admitted.push_back(entry);
  }
  entries = admitted;
  return true;
}

bool Parse(const std::string& text, const std::vector<managed::Value>& set,
           Check check, std::vector<regedit::Entry>& entries,
           regedit::Problem& problem) {
  return regedit::Read(text, entries, problem) &&
         Admit(set, check, entries, problem);
}

Outcome Apply(os::Registry& registry, const std::vector<managed::Value>& set,
              const std::vector<regedit::Entry>& entries) {
  Outcome outcome;
  for (const regedit::Entry& entry : entries) {
    const managed::Value* value = Find(set, entry);
    if (value != nullptr && value->effect == managed::Effect::Restart) {
      RawValue now;
      const bool present = PeekValue(registry, entry.root, entry.key,
                                     entry.name, now) == os::error::kSuccess;
      if (present != entry.present || (present && !Same(now, entry.value)))
        outcome.restart = true;
    }
    const long result =
        entry.present ? Write(registry, entry) : Remove(registry, entry);
    if (result != os::error::kSuccess) outcome.complete = false;
  }
  return outcome;
}

}  // namespace settings
