#pragma once

#include "os/registry.h"

namespace os {

// A registry that passes every call to another; a registry that watches or
// changes some calls derives from it and overrides only those.
class ForwardingRegistry : public os::Registry {
 public:
  explicit ForwardingRegistry(os::Registry& inner) : inner_(inner) {}

  long CreateKey(os::Root root, const std::string& path, os::KeyOption option,
                 os::KeyHandle& key) override {
    return inner_.CreateKey(root, path, option, key);
  }
  long OpenKey(os::Root root, const std::string& path, os::Access access,
               os::KeyHandle& key) override {
    return inner_.OpenKey(root, path, access, key);
  }
  long CloseKey(os::KeyHandle key) override { return inner_.CloseKey(key); }
  long QueryValue(os::KeyHandle key, const std::string& name,
                  os::ValueType* type, unsigned char* data,
                  std::uint32_t& size) override {
    return inner_.QueryValue(key, name, type, data, size);
  }
  long SetValue(os::KeyHandle key, const std::string& name, os::ValueType type,
                const unsigned char* data, std::uint32_t size) override {
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
    return inner_.DeleteValue(key, name);
  }
  long DeleteKey(os::KeyHandle key, const std::string& subkey) override {
    return inner_.DeleteKey(key, subkey);
  }

 private:
  os::Registry& inner_;
};

}  // namespace os
