#include "store/value_group.h"

#include <cstring>

namespace {

// The registry's own value, or its absence.
struct Kept {
  std::string name;
  bool present = false;
  GroupValue value;
};

// A text's count holds its zero; the bytes go from a copy with a zero after
// them, since RegSetValueExA reads a text past its count.
long Set(os::Registry& registry, os::KeyHandle key, const GroupValue& value) {
  std::vector<unsigned char> bytes = value.bytes;
  bytes.push_back(0);
  return registry.SetValue(key, value.name, value.type, bytes.data(),
                           static_cast<std::uint32_t>(value.bytes.size()));
}

long Delete(os::Registry& registry, os::KeyHandle key,
            const std::string& name) {
  const long result = registry.DeleteValue(key, name);
  return result == os::error::kFileNotFound ? os::error::kSuccess : result;
}

long Read(os::Registry& registry, os::KeyHandle key, Kept& kept) {
  std::uint32_t size = 0;
  long result =
      registry.QueryValue(key, kept.name, &kept.value.type, nullptr, size);
  if (result == os::error::kFileNotFound) return os::error::kSuccess;
  if (result != os::error::kSuccess) return result;
  kept.value.bytes.resize(size + 1);
  result = registry.QueryValue(key, kept.name, &kept.value.type,
                               kept.value.bytes.data(), size);
  if (result != os::error::kSuccess) return result;
  kept.value.bytes.resize(size);
  kept.value.name = kept.name;
  kept.present = true;
  return os::error::kSuccess;
}

bool ReadAll(os::Registry& registry, os::KeyHandle key,
             std::vector<Kept>& group) {
  for (Kept& kept : group)
    if (Read(registry, key, kept) != os::error::kSuccess) return false;
  return true;
}

bool Replace(os::Registry& registry, os::KeyHandle key,
             const std::vector<const char*>& deleted,
             const std::vector<GroupValue>& written) {
  for (const char* name : deleted)
    if (Delete(registry, key, name) != os::error::kSuccess) return false;
  for (const GroupValue& value : written)
    if (Set(registry, key, value) != os::error::kSuccess) return false;
  return true;
}

void PutBack(os::Registry& registry, os::KeyHandle key,
             const std::vector<Kept>& group) {
  for (const Kept& kept : group) {
    if (kept.present)
      Set(registry, key, kept.value);
    else
      Delete(registry, key, kept.name);
  }
}

}  // namespace

GroupValue GroupValue::Text(const std::string& name, const std::string& text) {
  GroupValue value{name, os::ValueType::Text, {text.begin(), text.end()}};
  value.bytes.push_back(0);
  return value;
}

GroupValue GroupValue::Dword(const std::string& name, std::uint32_t number) {
  GroupValue value{name, os::ValueType::Dword, std::vector<unsigned char>(4)};
  std::memcpy(value.bytes.data(), &number, 4);
  return value;
}

GroupValue GroupValue::Byte(const std::string& name, unsigned char byte) {
  return {name, os::ValueType::Binary, {byte}};
}

bool ReplaceGroup(os::Registry& registry, os::Root root,
                  const std::string& path,
                  const std::vector<const char*>& deleted,
                  const std::vector<GroupValue>& written) {
  // A group that writes nothing creates no key: a missing one holds no
  // value to delete.
  os::KeyHandle key = 0;
  const long opened =
      written.empty()
          ? registry.OpenKey(root, path, os::Access::Write, key)
          : registry.CreateKey(root, path, os::KeyOption::NonVolatile, key);
  if (opened != os::error::kSuccess)
    return written.empty() && opened == os::error::kFileNotFound;
  std::vector<Kept> group;
  for (const char* name : deleted) group.push_back({name, false, {}});
  for (const GroupValue& value : written) group.push_back({value.name, false, {}});
  bool whole = ReadAll(registry, key, group);
  if (whole) {
    whole = Replace(registry, key, deleted, written);
    if (!whole) PutBack(registry, key, group);
  }
  registry.CloseKey(key);
  return whole;
}
