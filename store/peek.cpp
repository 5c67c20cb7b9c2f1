#include "store/peek.h"

#include <cstring>

namespace {

constexpr std::uint32_t kNameBufferSize = 260;

// Opens the key only when it exists, and closes it after the reads.
template <typename Reads>
long WithExistingKey(os::Registry& registry, os::Root root,
                     const std::string& path, Reads reads) {
  os::KeyHandle key = 0;
  const long opened = registry.OpenKey(root, path, os::Access::Read, key);
  if (opened != os::error::kSuccess) return opened;
  const long result = reads(key);
  registry.CloseKey(key);
  return result;
}

void Note(long result, long& failure) {
  if (result != os::error::kSuccess && result != os::error::kFileNotFound)
    failure = result;
}

template <typename NextName>
std::vector<std::string> PeekNames(os::Registry& registry,
                                   const std::string& path, long& failure,
                                   NextName next) {
  std::vector<std::string> names;
  const auto list = [&](os::KeyHandle key) {
    char name[kNameBufferSize];
    std::uint32_t index = 0;
    long result;
    while ((result = next(key, index++, name)) == os::error::kSuccess)
      names.emplace_back(name, strnlen(name, kNameBufferSize));
    return result == os::error::kNoMoreItems ? os::error::kSuccess : result;
  };
  Note(WithExistingKey(registry, os::kMachine, path, list), failure);
  return names;
}

}  // namespace

long PeekValue(os::Registry& registry, os::Root root, const std::string& path,
               const std::string& name, RawValue& value) {
  return WithExistingKey(registry, root, path, [&](os::KeyHandle key) {
    std::uint32_t size = 0;
    long result = registry.QueryValue(key, name, &value.type, nullptr, size);
    if (result != os::error::kSuccess) return result;
    value.bytes.assign(size, 0);
    result =
        registry.QueryValue(key, name, &value.type, value.bytes.data(), size);
    value.bytes.resize(size < value.bytes.size() ? size : value.bytes.size());
    return result;
  });
}

std::string PeekText(os::Registry& registry, const std::string& path,
                     const std::string& name, long& failure) {
  RawValue value;
  const long result = PeekValue(registry, os::kMachine, path, name, value);
  Note(result, failure);
  if (result != os::error::kSuccess) return std::string();
  if (value.bytes.empty()) return std::string();
  const auto* bytes = reinterpret_cast<const char*>(value.bytes.data());
  return std::string(bytes, strnlen(bytes, value.bytes.size()));
}

std::vector<std::string> PeekSubkeys(os::Registry& registry,
                                     const std::string& path, long& failure) {
  return PeekNames(registry, path, failure,
                   [&](os::KeyHandle key, std::uint32_t index, char* name) {
                     return registry.EnumKey(key, index, name, kNameBufferSize);
                   });
}

std::vector<std::string> PeekValueNames(os::Registry& registry,
                                        const std::string& path,
                                        long& failure) {
  return PeekNames(registry, path, failure,
                   [&](os::KeyHandle key, std::uint32_t index, char* name) {
                     std::uint32_t length = kNameBufferSize;
                     return registry.EnumValue(key, index, name, length);
                   });
}
