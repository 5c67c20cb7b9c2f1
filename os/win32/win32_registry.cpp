#include "os/win32/win32_registry.h"

#include <windows.h>

namespace os {
namespace {

HKEY ToHkey(KeyHandle key) { return reinterpret_cast<HKEY>(key); }

HKEY RootKey(Root root) {
  return root == Root::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

}  // namespace

long Win32Registry::CreateKey(Root root, const std::string& path,
                              KeyOption option, KeyHandle& key) {
  HKEY opened = nullptr;
  DWORD disposition = 0;
  const DWORD options = option == KeyOption::Volatile ? REG_OPTION_VOLATILE
                                                      : REG_OPTION_NON_VOLATILE;
  const LONG result =
      RegCreateKeyExA(RootKey(root), path.c_str(), 0, nullptr, options,
                      KEY_ALL_ACCESS, nullptr, &opened, &disposition);
  if (result == ERROR_SUCCESS) key = reinterpret_cast<KeyHandle>(opened);
  return result;
}

long Win32Registry::OpenKey(Root root, const std::string& path, Access access,
                            KeyHandle& key) {
  HKEY opened = nullptr;
  const REGSAM rights = access == Access::Read ? KEY_READ : KEY_ALL_ACCESS;
  const LONG result =
      RegOpenKeyExA(RootKey(root), path.c_str(), 0, rights, &opened);
  if (result == ERROR_SUCCESS) key = reinterpret_cast<KeyHandle>(opened);
  return result;
}

long Win32Registry::CloseKey(KeyHandle key) {
  return RegCloseKey(ToHkey(key));
}

long Win32Registry::QueryValue(KeyHandle key, const std::string& name,
                               ValueType* type, unsigned char* data,
                               std::uint32_t& size) {
  DWORD valueType = 0;
  DWORD valueSize = size;
  const LONG result = RegQueryValueExA(ToHkey(key), name.c_str(), nullptr,
                                       &valueType, data, &valueSize);
  size = valueSize;
  if (type != nullptr) *type = static_cast<ValueType>(valueType);
  return result;
}

long Win32Registry::SetValue(KeyHandle key, const std::string& name,
                             ValueType type, const unsigned char* data,
                             std::uint32_t size) {
  return RegSetValueExA(ToHkey(key), name.c_str(), 0,
                        static_cast<DWORD>(type), data, size);
}

long Win32Registry::EnumKey(KeyHandle key, std::uint32_t index, char* name,
                            std::uint32_t nameSize) {
  return RegEnumKeyA(ToHkey(key), index, name, nameSize);
}

long Win32Registry::EnumValue(KeyHandle key, std::uint32_t index, char* name,
                              std::uint32_t& nameLength) {
  DWORD length = nameLength;
  const LONG result = RegEnumValueA(ToHkey(key), index, name, &length,
                                    nullptr, nullptr, nullptr, nullptr);
  nameLength = length;
  return result;
}

long Win32Registry::DeleteValue(KeyHandle key, const std::string& name) {
  return RegDeleteValueA(ToHkey(key), name.c_str());
}

long Win32Registry::DeleteKey(KeyHandle key, const std::string& subkey) {
  return RegDeleteKeyA(ToHkey(key), subkey.c_str());
}

}  // namespace os
