#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "os/registry.h"

// Holds at most one open registry key. Open creates what it opens, for
// writing; OpenToRead opens only a key that exists, for reading. Every
// operation returns the registry's error code, 0 for success, and leaves its
// out argument alone on failure.
class CRegistryKey {
 public:
  explicit CRegistryKey(os::Registry& registry);
  virtual ~CRegistryKey();
  CRegistryKey(const CRegistryKey&) = delete;
  CRegistryKey& operator=(const CRegistryKey&) = delete;

  long Open(os::Root root, const std::string& path);
  long OpenToRead(os::Root root, const std::string& path);
  void Close();

  long SetDword(const std::string& name, std::uint32_t value);
  long SetText(const std::string& name, const std::string& text);
  long SetBinary(const std::string& name, const unsigned char* bytes,
                 std::uint32_t count);

  long QueryDword(const std::string& name, std::uint32_t& value);
  long QueryText(const std::string& name, std::string& text);
  long QueryRaw(const std::string& name, unsigned char* buffer,
                std::uint32_t& count);

  long ListSubkeys(os::Root root, const std::string& path,
                   std::vector<std::string>& names);
  long ListValues(os::Root root, const std::string& path,
                  std::vector<std::string>& names);

 private:
  template <typename NextName>
  long ListNames(os::Root root, const std::string& path,
                 std::vector<std::string>& names, NextName nextName);

  os::Registry& registry_;
  os::KeyHandle handle_ = 0;
};
