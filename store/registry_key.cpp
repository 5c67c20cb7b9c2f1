#include "store/registry_key.h"

#include <cstring>

namespace {

constexpr std::uint32_t kTextBufferSize = 200;
constexpr std::uint32_t kNameBufferSize = 260;

const unsigned char* Bytes(const char* text) {
  return reinterpret_cast<const unsigned char*>(text);
}

}  // namespace

CRegistryKey::CRegistryKey(os::Registry& registry) : registry_(registry) {}

CRegistryKey::~CRegistryKey() { Close(); }

long CRegistryKey::Open(os::Root root, const std::string& path) {
  Close();
  os::KeyHandle handle = 0;
  const long result =
      registry_.CreateKey(root, path, os::KeyOption::NonVolatile, handle);
  handle_ = result == os::error::kSuccess ? handle : 0;
  return result;
}

long CRegistryKey::OpenToRead(os::Root root, const std::string& path) {
  Close();
  os::KeyHandle handle = 0;
  const long result = registry_.OpenKey(root, path, os::Access::Read, handle);
  handle_ = result == os::error::kSuccess ? handle : 0;
  return result;
}

void CRegistryKey::Close() {
  if (handle_ != 0) {
    registry_.CloseKey(handle_);
    handle_ = 0;
  }
}

long CRegistryKey::SetDword(const std::string& name, std::uint32_t value) {
  unsigned char bytes[4];
  std::memcpy(bytes, &value, sizeof bytes);
  return registry_.SetValue(handle_, name, os::ValueType::Dword, bytes,
                            sizeof bytes);
}

long CRegistryKey::SetText(const std::string& name, const std::string& text) {
  return registry_.SetValue(handle_, name, os::ValueType::Text,
                            Bytes(text.c_str()),
                            static_cast<std::uint32_t>(text.size() + 1));
}

long CRegistryKey::SetBinary(const std::string& name,
                             const unsigned char* bytes, std::uint32_t count) {
  return registry_.SetValue(handle_, name, os::ValueType::Binary, bytes,
                            count);
}

long CRegistryKey::QueryDword(const std::string& name, std::uint32_t& value) {
  // Zero-filled, so that a value shorter than four bytes reads as a number
  // whose missing high bytes are zero.
  unsigned char bytes[4] = {};
  std::uint32_t size = sizeof bytes;
  const long result = registry_.QueryValue(handle_, name, nullptr, bytes, size);
  if (result == os::error::kSuccess) std::memcpy(&value, bytes, sizeof value);
  return result;
}

long CRegistryKey::QueryText(const std::string& name, std::string& text) {
  char buffer[kTextBufferSize];
  std::uint32_t size = kTextBufferSize;
  const long result = registry_.QueryValue(
      handle_, name, nullptr, reinterpret_cast<unsigned char*>(buffer), size);
  if (result == os::error::kSuccess) {
    // A value need not end in a zero byte: never look past what was read.
    const std::uint32_t read = size < kTextBufferSize ? size : kTextBufferSize;
    const void* zero = std::memchr(buffer, 0, read);
    text.assign(buffer, zero ? static_cast<const char*>(zero) - buffer : read);
  }
  return result;
}

long CRegistryKey::QueryRaw(const std::string& name, unsigned char* buffer,
                            std::uint32_t& count) {
  return registry_.QueryValue(handle_, name, nullptr, buffer, count);
}

long CRegistryKey::ListSubkeys(os::Root root, const std::string& path,
                               std::vector<std::string>& names) {
  return ListNames(root, path, names, [this](std::uint32_t index, char* name) {
    return registry_.EnumKey(handle_, index, name, kNameBufferSize);
  });
}

long CRegistryKey::ListValues(os::Root root, const std::string& path,
                              std::vector<std::string>& names) {
  return ListNames(root, path, names, [this](std::uint32_t index, char* name) {
    std::uint32_t length = kNameBufferSize;
    return registry_.EnumValue(handle_, index, name, length);
  });
}

template <typename NextName>
long CRegistryKey::ListNames(os::Root root, const std::string& path,
                             std::vector<std::string>& names,
                             NextName nextName) {
  const long result = OpenToRead(root, path);
  if (result != os::error::kSuccess) return result;
  names.clear();
  char name[kNameBufferSize];
  for (std::uint32_t index = 0; nextName(index, name) == os::error::kSuccess;
       ++index) {
    names.emplace_back(name, strnlen(name, kNameBufferSize));
  }
  Close();
  return os::error::kSuccess;
}
