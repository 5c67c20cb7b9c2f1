#pragma once

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "os/registry.h"

// Passes every call to a registry and writes down, in order, each value it
// sets or deletes: "set <key>\<name> <type:bytes>" and "del <key>\<name>",
// the key under HKEY_CURRENT_USER prefixed "HKCU:".
class RegistryLog : public os::Registry {
 public:
  explicit RegistryLog(os::Registry& inner) : inner_(inner) {}

  long CreateKey(os::Root root, const std::string& path, os::KeyOption option,
                 os::KeyHandle& key) override {
    const long result = inner_.CreateKey(root, path, option, key);
    if (result == os::error::kSuccess)
      paths_[key] = (root == os::Root::CurrentUser ? "HKCU:" : "") + path;
    return result;
  }
  long CloseKey(os::KeyHandle key) override { return inner_.CloseKey(key); }
  long QueryValue(os::KeyHandle key, const std::string& name,
                  os::ValueType* type, unsigned char* data,
                  std::uint32_t& size) override {
    return inner_.QueryValue(key, name, type, data, size);
  }
  long SetValue(os::KeyHandle key, const std::string& name, os::ValueType type,
                const unsigned char* data, std::uint32_t size) override {
    writes.push_back("set " + paths_[key] + "\\" + name + " " +
                     Describe(type, data, size));
    return inner_.SetValue(key, name, type, data, size);
  }
  long EnumKey(os::KeyHandle key, std::uint32_t index, char* name,
               std::uint32_t nameSize) override {
    return inner_.EnumKey(key, index, name, nameSize);
  }
  long EnumValue(os::KeyHandle key, std::uint32_t index, char* name,
                 std::uint32_t& nameLength) override {
    return inner_.EnumValue(key, index, name, nameLength);
  }
  long DeleteValue(os::KeyHandle key, const std::string& name) override {
    writes.push_back("del " + paths_[key] + "\\" + name);
    return inner_.DeleteValue(key, name);
  }
  long DeleteKey(os::KeyHandle key, const std::string& subkey) override {
    return inner_.DeleteKey(key, subkey);
  }

  std::vector<std::string> writes;

 private:
  // sz:"text" for a text with exactly one terminating zero, dword:N, or the
  // type number and every byte in hex.
  static std::string Describe(os::ValueType type, const unsigned char* data,
                              std::uint32_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    if (type == os::ValueType::Text && size > 0 &&
        bytes.find('\0') == size - 1)
      return "sz:\"" + bytes.substr(0, size - 1) + "\"";
    if (type == os::ValueType::Dword && size == 4)
      return "dword:" + std::to_string(data[0] | data[1] << 8 | data[2] << 16 |
                                       static_cast<std::uint32_t>(data[3]) << 24);
    std::string hex = "type" + std::to_string(static_cast<int>(type)) + ":";
    for (unsigned char byte : bytes) {
      char digits[4];
      std::snprintf(digits, sizeof digits, "%02x", byte);
      hex += digits;
    }
    return hex;
  }

  os::Registry& inner_;
  std::map<os::KeyHandle, std::string> paths_;
};
