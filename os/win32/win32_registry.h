#pragma once

#include "os/registry.h"

namespace os {

class Win32Registry : public Registry {
 public:
  long CreateKey(Root root, const std::string& path, KeyOption option,
                 KeyHandle& key) override;
  long OpenKey(Root root, const std::string& path, Access access,
               KeyHandle& key) override;
  long CloseKey(KeyHandle key) override;
  long QueryValue(KeyHandle key, const std::string& name, ValueType* type,
                  unsigned char* data, std::uint32_t& size) override;
  long SetValue(KeyHandle key, const std::string& name, ValueType type,
                const unsigned char* data, std::uint32_t size) override;
  long EnumKey(KeyHandle key, std::uint32_t index, char* name,
               std::uint32_t nameSize) override;
  long EnumValue(KeyHandle key, std::uint32_t index, char* name,
                 std::uint32_t& nameLength) override;
  long DeleteValue(KeyHandle key, const std::string& name) override;
  long DeleteKey(KeyHandle key, const std::string& subkey) override;
};

}  // namespace os
