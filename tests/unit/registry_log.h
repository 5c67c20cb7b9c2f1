#pragma once

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "os/forwarding_registry.h"

// Passes every call to a registry and writes down, in order, each value it
// sets or deletes: "set <key>\<name> <type:bytes>" and "del <key>\<name>",
// the key under HKEY_CURRENT_USER prefixed "HKCU:".
class RegistryLog : public os::ForwardingRegistry {
 public:
  using os::ForwardingRegistry::ForwardingRegistry;

  long CreateKey(os::Root root, const std::string& path, os::KeyOption option,
                 os::KeyHandle& key) override {
    return Named(root, path, key, ForwardingRegistry::CreateKey(root, path, option, key));
  }
  long OpenKey(os::Root root, const std::string& path, os::Access access,
               os::KeyHandle& key) override {
    return Named(root, path, key, ForwardingRegistry::OpenKey(root, path, access, key));
  }
  long SetValue(os::KeyHandle key, const std::string& name, os::ValueType type,
                const unsigned char* data, std::uint32_t size) override {
    writes.push_back("set " + paths_[key] + "\\" + name + " " +
                     Describe(type, data, size));
    return ForwardingRegistry::SetValue(key, name, type, data, size);
  }
  long DeleteValue(os::KeyHandle key, const std::string& name) override {
    writes.push_back("del " + paths_[key] + "\\" + name);
    return ForwardingRegistry::DeleteValue(key, name);
  }

  std::vector<std::string> writes;

 private:
  long Named(os::Root root, const std::string& path, os::KeyHandle key,
             long result) {
    if (result == os::error::kSuccess)
      paths_[key] = (root == os::Root::CurrentUser ? "HKCU:" : "") + path;
    return result;
  }

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

  std::map<os::KeyHandle, std::string> paths_;
};
