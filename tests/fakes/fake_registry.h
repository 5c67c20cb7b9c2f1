#pragma once

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "os/registry.h"

namespace fakes {

struct RegValue {
  os::ValueType type = os::ValueType::None;
  std::vector<unsigned char> bytes;
  bool operator==(const RegValue& other) const {
    return type == other.type && bytes == other.bytes;
  }
};

// How RegSetValueExA sizes a text, which differs between the families.
enum class TextRule {
  // Windows 95/98: a REG_SZ is stored up to its first zero and that zero,
  // whatever the count says; one without data is refused.
  Windows95,
  // Windows NT: a text (REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ) whose last
  // counted byte is not zero gets the byte after it too when that is zero.
  NT,
};

// An in-memory registry with the behaviour the program relies on, as Wine
// shows it: names compare without regard to case, subkeys and values
// enumerate in the order of their lower-cased names, open creates, volatile keys
// vanish at Restart and take no non-volatile children, a key with subkeys
// cannot be deleted, a key opened for reading takes no writes or deletions
// (ERROR_ACCESS_DENIED), and a short buffer gets ERROR_MORE_DATA untouched.
// Texts are sized by the family's rule, which reads past the count as
// Windows does.
class FakeRegistry : public os::Registry {
 public:
  FakeRegistry();
  ~FakeRegistry() override;

  long CreateKey(os::Root root, const std::string& path, os::KeyOption option,
                 os::KeyHandle& key) override;
  long OpenKey(os::Root root, const std::string& path, os::Access access,
               os::KeyHandle& key) override;
  long CloseKey(os::KeyHandle key) override;
  long QueryValue(os::KeyHandle key, const std::string& name,
                  os::ValueType* type, unsigned char* data,
                  std::uint32_t& size) override;
  long SetValue(os::KeyHandle key, const std::string& name,
                os::ValueType type, const unsigned char* data,
                std::uint32_t size) override;
  long EnumKey(os::KeyHandle key, std::uint32_t index, char* name,
               std::uint32_t nameSize) override;
  long EnumValue(os::KeyHandle key, std::uint32_t index, char* name,
                 std::uint32_t& nameLength) override;
  long DeleteValue(os::KeyHandle key, const std::string& name) override;
  long DeleteKey(os::KeyHandle key, const std::string& subkey) override;

  // Seeding and inspection for tests; they never create volatile keys and
  // ignore denials.
  void Put(os::Root root, const std::string& path, const std::string& name,
           os::ValueType type, const std::vector<unsigned char>& bytes);
  void PutText(os::Root root, const std::string& path, const std::string& name,
               const std::string& text);
  void PutDword(os::Root root, const std::string& path,
                const std::string& name, std::uint32_t value);
  void PutKey(os::Root root, const std::string& path);
  std::optional<RegValue> Get(os::Root root, const std::string& path,
                              const std::string& name) const;
  // The value as a REG_SZ text without its terminating zero; nullopt when the
  // value is missing or of another type.
  std::optional<std::string> Text(os::Root root, const std::string& path,
                                  const std::string& name) const;
  bool KeyExists(os::Root root, const std::string& path) const;
  bool IsVolatile(os::Root root, const std::string& path) const;
  std::vector<std::string> ValueNames(os::Root root,
                                      const std::string& path) const;
  std::vector<std::string> SubkeyNames(os::Root root,
                                       const std::string& path) const;
  // Every later CreateKey or OpenKey of exactly this path fails with the
  // code.
  void Deny(os::Root root, const std::string& path,
            long code = os::error::kAccessDenied);
  void Allow(os::Root root, const std::string& path);
  // The whole tree as text, key by key with every value's name, type and
  // bytes: two dumps are equal exactly when the registries are.
  std::string Dump() const;
  // Drops every volatile key, as a restart of Windows does.
  void Restart();
  std::size_t OpenHandles() const { return handles_.size(); }
  void UseTextRule(TextRule rule) { textRule_ = rule; }

 private:
  struct Node;
  Node* Find(os::Root root, const std::string& path) const;
  Node* Ensure(os::Root root, const std::string& path);
  long Resolve(os::KeyHandle key, Node*& node) const;
  // Resolve for a write or deletion.
  long ResolveForWriting(os::KeyHandle key, Node*& node) const;

  std::shared_ptr<Node> machine_;
  std::shared_ptr<Node> user_;
  std::map<os::KeyHandle, std::shared_ptr<Node>> handles_;
  std::set<os::KeyHandle> readOnly_;
  std::map<std::pair<os::Root, std::string>, long> denied_;
  os::KeyHandle nextHandle_ = 0x100;
  TextRule textRule_ = TextRule::Windows95;
};

}  // namespace fakes
