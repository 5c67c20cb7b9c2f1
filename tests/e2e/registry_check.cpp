#include "registry_check.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace e2e {
namespace {

class ReadKey {
 public:
  explicit ReadKey(const std::string& path, HKEY root = HKEY_LOCAL_MACHINE) {
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key_) !=
        ERROR_SUCCESS)
      key_ = nullptr;
  }
  ~ReadKey() {
    if (key_ != nullptr) RegCloseKey(key_);
  }
  ReadKey(const ReadKey&) = delete;
  ReadKey& operator=(const ReadKey&) = delete;

  bool Exists() const { return key_ != nullptr; }

  bool Value(const std::string& name, DWORD& type,
             std::vector<unsigned char>& bytes) const {
    DWORD size = 0;
    if (key_ == nullptr || RegQueryValueExA(key_, name.c_str(), nullptr, &type,
                                            nullptr, &size) != ERROR_SUCCESS)
      return false;
    bytes.resize(size);
    return RegQueryValueExA(key_, name.c_str(), nullptr, &type, bytes.data(),
                            &size) == ERROR_SUCCESS;
  }

  std::set<std::string> ValueNames() const {
    std::set<std::string> names;
    char name[16384];
    for (DWORD index = 0; key_ != nullptr; ++index) {
      DWORD length = sizeof name;
      if (RegEnumValueA(key_, index, name, &length, nullptr, nullptr, nullptr,
                        nullptr) != ERROR_SUCCESS)
        break;
      names.emplace(name, length);
    }
    return names;
  }

  std::set<std::string> SubkeyNames() const {
    std::set<std::string> names;
    char name[MAX_PATH];
    for (DWORD index = 0; key_ != nullptr; ++index) {
      if (RegEnumKeyA(key_, index, name, sizeof name) != ERROR_SUCCESS) break;
      names.emplace(name);
    }
    return names;
  }

 private:
  HKEY key_ = nullptr;
};

std::string Describe(DWORD type, const std::vector<unsigned char>& bytes) {
  const bool plainText =
      type == REG_SZ && !bytes.empty() && bytes.back() == 0 &&
      std::find(bytes.begin(), bytes.end() - 1, 0) == bytes.end() - 1;
  if (plainText)
    return "REG_SZ \"" + std::string(bytes.begin(), bytes.end() - 1) + "\"";
  std::string text = "type " + std::to_string(type) + ", bytes";
  for (unsigned char byte : bytes) {
    char hex[4];
    std::snprintf(hex, sizeof hex, " %02x", byte);
    text += hex;
  }
  return text;
}

std::string Where(const std::string& key, const std::string& name,
                  HKEY root) {
  return (root == HKEY_CURRENT_USER ? "HKCU\\" : "HKLM\\") + key + " \"" +
         name + "\"";
}

void Collect(HKEY root, const std::string& key, const std::string& relative,
             std::map<std::string, std::string>& snapshot) {
  const ReadKey opened(key, root);
  snapshot[relative + "\\"] = "";
  for (const std::string& name : opened.ValueNames()) {
    DWORD type = 0;
    std::vector<unsigned char> bytes;
    opened.Value(name, type, bytes);
    snapshot[relative + "\\" + name] = Describe(type, bytes);
  }
  for (const std::string& subkey : opened.SubkeyNames())
    Collect(root, key + "\\" + subkey, relative + "\\" + subkey, snapshot);
}

testing::AssertionResult HasValue(const std::string& key,
                                  const std::string& name, DWORD type,
                                  const std::vector<unsigned char>& bytes,
                                  HKEY root = HKEY_LOCAL_MACHINE) {
  DWORD foundType = 0;
  std::vector<unsigned char> found;
  if (!ReadKey(key, root).Value(name, foundType, found))
    return testing::AssertionFailure()
           << Where(key, name, root) << " is missing";
  if (foundType == type && found == bytes) return testing::AssertionSuccess();
  return testing::AssertionFailure()
         << Where(key, name, root) << " is " << Describe(foundType, found)
         << ", not "
         << Describe(type, bytes);
}

}  // namespace

testing::AssertionResult HasText(const std::string& key,
                                 const std::string& name,
                                 const std::string& text, HKEY root) {
  std::vector<unsigned char> bytes(text.begin(), text.end());
  bytes.push_back(0);
  return HasValue(key, name, REG_SZ, bytes, root);
}

testing::AssertionResult HasBinary(const std::string& key,
                                   const std::string& name,
                                   const std::vector<unsigned char>& bytes) {
  return HasValue(key, name, REG_BINARY, bytes);
}

testing::AssertionResult HasDword(const std::string& key,
                                  const std::string& name,
                                  std::uint32_t number) {
  std::vector<unsigned char> bytes(sizeof number);
  std::memcpy(bytes.data(), &number, sizeof number);
  return HasValue(key, name, REG_DWORD, bytes);
}

testing::AssertionResult HasNoValue(const std::string& key,
                                    const std::string& name, HKEY root) {
  DWORD type = 0;
  std::vector<unsigned char> bytes;
  if (!ReadKey(key, root).Value(name, type, bytes))
    return testing::AssertionSuccess();
  return testing::AssertionFailure()
         << Where(key, name, root) << " is there: " << Describe(type, bytes);
}

testing::AssertionResult HasKey(const std::string& key) {
  if (ReadKey(key).Exists()) return testing::AssertionSuccess();
  return testing::AssertionFailure() << "HKLM\\" << key << " is missing";
}

testing::AssertionResult HasNoKey(const std::string& key) {
  if (!ReadKey(key).Exists()) return testing::AssertionSuccess();
  return testing::AssertionFailure() << "HKLM\\" << key << " is there";
}

std::set<std::string> ValueNames(const std::string& key, HKEY root) {
  return ReadKey(key, root).ValueNames();
}

std::set<std::string> SubkeyNames(const std::string& key) {
  return ReadKey(key).SubkeyNames();
}

std::map<std::string, std::string> TreeSnapshot(const std::string& key,
                                                HKEY root) {
  std::map<std::string, std::string> snapshot;
  if (ReadKey(key, root).Exists()) Collect(root, key, "", snapshot);
  return snapshot;
}

void ExpectTexts(const std::string& key,
                 const std::map<std::string, std::string>& texts) {
  ExpectTextsAmong(key, texts);
  std::set<std::string> names;
  for (const auto& named : texts) names.insert(named.first);
  EXPECT_EQ(names, ValueNames(key)) << key;
}

void ExpectTextsAmong(const std::string& key,
                      const std::map<std::string, std::string>& texts) {
  for (const auto& [name, text] : texts) EXPECT_TRUE(HasText(key, name, text));
}

}  // namespace e2e
