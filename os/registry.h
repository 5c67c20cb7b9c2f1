#pragma once

#include <cstdint>
#include <string>

namespace os {

// Error codes are the Win32 numbers, so that callers can compare against the
// values the real registry returns.
namespace error {
constexpr long kSuccess = 0;
constexpr long kFileNotFound = 2;
constexpr long kAccessDenied = 5;
constexpr long kInvalidHandle = 6;
constexpr long kInvalidParameter = 87;
constexpr long kMoreData = 234;
constexpr long kNoMoreItems = 259;
constexpr long kKeyDeleted = 1018;
constexpr long kChildMustBeVolatile = 1021;
}  // namespace error

enum class Root { LocalMachine, CurrentUser };
// Where the program keeps its settings and the drivers theirs.
inline constexpr Root kMachine = Root::LocalMachine;

enum class KeyOption { NonVolatile, Volatile };

// What an opened key is for: reading only (KEY_READ, which an account
// without administrator rights gets on the drivers' keys under Windows NT),
// or writing and deleting too (KEY_ALL_ACCESS).
enum class Access { Read, Write };

enum class ValueType : std::uint32_t {
  None = 0,
  Text = 1,        // REG_SZ
  ExpandText = 2,  // REG_EXPAND_SZ
  Binary = 3,      // REG_BINARY
  Dword = 4,       // REG_DWORD
  MultiText = 7,   // REG_MULTI_SZ
};

// An open key; 0 means none.
using KeyHandle = std::uintptr_t;

// The registry calls the program makes, with the arguments and results of
// RegCreateKeyExA, RegOpenKeyExA, RegCloseKey, RegQueryValueExA, RegSetValueExA, RegEnumKeyA,
// RegEnumValueA, RegDeleteValueA and RegDeleteKeyA.
class Registry {
 public:
  virtual ~Registry() = default;

  // Opens the key, creating it and every missing key above it, for writing.
  virtual long CreateKey(Root root, const std::string& path, KeyOption option,
                         KeyHandle& key) = 0;
  // Opens a key that exists; a missing key gives 2 and is not created.
  virtual long OpenKey(Root root, const std::string& path, Access access,
                       KeyHandle& key) = 0;
  virtual long CloseKey(KeyHandle key) = 0;
  // size goes in as the buffer's size and comes back as the value's size;
  // type may be null.
  virtual long QueryValue(KeyHandle key, const std::string& name,
                          ValueType* type, unsigned char* data,
                          std::uint32_t& size) = 0;
  virtual long SetValue(KeyHandle key, const std::string& name, ValueType type,
                        const unsigned char* data, std::uint32_t size) = 0;
  // name receives a zero-terminated subkey name of at most nameSize bytes.
  virtual long EnumKey(KeyHandle key, std::uint32_t index, char* name,
                       std::uint32_t nameSize) = 0;
  // nameLength goes in as the buffer's size and comes back as the name's
  // length without its terminating zero.
  virtual long EnumValue(KeyHandle key, std::uint32_t index, char* name,
                         std::uint32_t& nameLength) = 0;
  virtual long DeleteValue(KeyHandle key, const std::string& name) = 0;
  virtual long DeleteKey(KeyHandle key, const std::string& subkey) = 0;
};

}  // namespace os
