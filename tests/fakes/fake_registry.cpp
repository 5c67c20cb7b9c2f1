#include "fakes/fake_registry.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace fakes {
namespace {

// Names compare as Wine compares them: in lower case.
std::string Folded(const std::string& text) {
  std::string folded = text;
  for (char& c : folded)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return folded;
}

std::vector<std::string> Split(const std::string& path) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : path) {
    if (c == '\\') {
      if (!part.empty()) parts.push_back(part);
      part.clear();
    } else {
      part += c;
    }
  }
  if (!part.empty()) parts.push_back(part);
  return parts;
}

// Entries stay sorted by folded name.
template <typename Entry>
typename std::vector<Entry>::iterator Position(std::vector<Entry>& entries,
                                               const std::string& name) {
  const std::string key = Folded(name);
  return std::lower_bound(
      entries.begin(), entries.end(), key,
      [](const Entry& entry, const std::string& k) {
        return Folded(entry.name) < k;
      });
}

template <typename Entry>
Entry* Lookup(std::vector<Entry>& entries, const std::string& name) {
  auto at = Position(entries, name);
  return at != entries.end() && Folded(at->name) == Folded(name) ? &*at
                                                                 : nullptr;
}

}  // namespace

struct FakeRegistry::Node {
  struct Value {
    std::string name;
    RegValue value;
  };
  struct Child {
    std::string name;
    std::shared_ptr<Node> node;
  };
  bool isVolatile = false;
  bool deleted = false;
  std::vector<Value> values;
  std::vector<Child> subkeys;

  void MarkDeleted() {
    deleted = true;
    for (Child& child : subkeys) child.node->MarkDeleted();
  }
  void DropVolatile() {
    for (auto it = subkeys.begin(); it != subkeys.end();) {
      if (it->node->isVolatile) {
        it->node->MarkDeleted();
        it = subkeys.erase(it);
      } else {
        it->node->DropVolatile();
        ++it;
      }
    }
  }
};

FakeRegistry::FakeRegistry()
    : machine_(std::make_shared<Node>()), user_(std::make_shared<Node>()) {}

FakeRegistry::~FakeRegistry() = default;

FakeRegistry::Node* FakeRegistry::Find(os::Root root,
                                       const std::string& path) const {
  Node* node = root == os::Root::CurrentUser ? user_.get() : machine_.get();
  for (const std::string& part : Split(path)) {
    Node::Child* child = fakes::Lookup(node->subkeys, part);
    if (child == nullptr) return nullptr;
    node = child->node.get();
  }
  return node;
}

FakeRegistry::Node* FakeRegistry::Ensure(os::Root root,
                                         const std::string& path) {
  Node* node = root == os::Root::CurrentUser ? user_.get() : machine_.get();
  for (const std::string& part : Split(path)) {
    Node::Child* child = fakes::Lookup(node->subkeys, part);
    if (child == nullptr) {
      auto at = Position(node->subkeys, part);
      child = &*node->subkeys.insert(at, {part, std::make_shared<Node>()});
    }
    node = child->node.get();
  }
  return node;
}

long FakeRegistry::Resolve(os::KeyHandle key, Node*& node) const {
  auto it = handles_.find(key);
  if (it == handles_.end()) return os::error::kInvalidHandle;
  node = it->second.get();
  return node->deleted ? os::error::kKeyDeleted : os::error::kSuccess;
}

long FakeRegistry::ResolveForWriting(os::KeyHandle key, Node*& node) const {
  if (readOnly_.count(key) == 1) return os::error::kAccessDenied;
  return Resolve(key, node);
}

long FakeRegistry::CreateKey(os::Root root, const std::string& path,
                             os::KeyOption option, os::KeyHandle& key) {
  auto denied = denied_.find({root, Folded(path)});
  if (denied != denied_.end()) return denied->second;
  const bool wantVolatile = option == os::KeyOption::Volatile;
  std::shared_ptr<Node> node =
      root == os::Root::CurrentUser ? user_ : machine_;
  for (const std::string& part : Split(path)) {
    Node::Child* child = fakes::Lookup(node->subkeys, part);
    if (child == nullptr) {
      if (node->isVolatile && !wantVolatile)
        return os::error::kChildMustBeVolatile;
      auto created = std::make_shared<Node>();
      created->isVolatile = wantVolatile;
      auto at = Position(node->subkeys, part);
      child = &*node->subkeys.insert(at, {part, created});
    }
    node = child->node;
  }
  key = nextHandle_++;
  handles_[key] = node;
  return os::error::kSuccess;
}

long FakeRegistry::OpenKey(os::Root root, const std::string& path,
                           os::Access access, os::KeyHandle& key) {
  auto denied = denied_.find({root, Folded(path)});
  if (denied != denied_.end()) return denied->second;
  std::shared_ptr<Node> node =
      root == os::Root::CurrentUser ? user_ : machine_;
  for (const std::string& part : Split(path)) {
    Node::Child* child = fakes::Lookup(node->subkeys, part);
    if (child == nullptr) return os::error::kFileNotFound;
    node = child->node;
  }
  key = nextHandle_++;
  handles_[key] = node;
  if (access == os::Access::Read) readOnly_.insert(key);
  return os::error::kSuccess;
}

long FakeRegistry::CloseKey(os::KeyHandle key) {
  readOnly_.erase(key);
  return handles_.erase(key) == 1 ? os::error::kSuccess
                                  : os::error::kInvalidHandle;
}

long FakeRegistry::QueryValue(os::KeyHandle key, const std::string& name,
                              os::ValueType* type, unsigned char* data,
                              std::uint32_t& size) {
  Node* node = nullptr;
  if (const long error = Resolve(key, node)) return error;
  Node::Value* value = fakes::Lookup(node->values, name);
  if (value == nullptr) return os::error::kFileNotFound;
  const auto& bytes = value->value.bytes;
  const std::uint32_t needed = static_cast<std::uint32_t>(bytes.size());
  if (type != nullptr) *type = value->value.type;
  if (data != nullptr && size < needed) {
    size = needed;
    return os::error::kMoreData;
  }
  if (data != nullptr && needed > 0) std::memcpy(data, bytes.data(), needed);
  size = needed;
  return os::error::kSuccess;
}

long FakeRegistry::SetValue(os::KeyHandle key, const std::string& name,
                            os::ValueType type, const unsigned char* data,
                            std::uint32_t size) {
  Node* node = nullptr;
  if (const long error = ResolveForWriting(key, node)) return error;
  const bool text = type == os::ValueType::Text ||
                    type == os::ValueType::ExpandText ||
                    type == os::ValueType::MultiText;
  if (textRule_ == TextRule::Windows95 && type == os::ValueType::Text) {
    if (data == nullptr) return os::error::kInvalidParameter;
    size = static_cast<std::uint32_t>(
        std::strlen(reinterpret_cast<const char*>(data)) + 1);
  } else if (textRule_ == TextRule::NT && text && size > 0 &&
             data[size - 1] != 0 && data[size] == 0) {
    ++size;
  }
  RegValue value{type, std::vector<unsigned char>(data, data + size)};
  if (Node::Value* existing = fakes::Lookup(node->values, name)) {
    existing->value = value;
  } else {
    node->values.insert(Position(node->values, name), {name, value});
  }
  return os::error::kSuccess;
}

long FakeRegistry::EnumKey(os::KeyHandle key, std::uint32_t index, char* name,
                           std::uint32_t nameSize) {
  Node* node = nullptr;
  if (const long error = Resolve(key, node)) return error;
  if (index >= node->subkeys.size()) return os::error::kNoMoreItems;
  const std::string& found = node->subkeys[index].name;
  if (found.size() + 1 > nameSize) return os::error::kMoreData;
  std::memcpy(name, found.c_str(), found.size() + 1);
  return os::error::kSuccess;
}

long FakeRegistry::EnumValue(os::KeyHandle key, std::uint32_t index,
                             char* name, std::uint32_t& nameLength) {
  Node* node = nullptr;
  if (const long error = Resolve(key, node)) return error;
  if (index >= node->values.size()) return os::error::kNoMoreItems;
  const std::string& found = node->values[index].name;
  if (found.size() + 1 > nameLength) return os::error::kMoreData;
  std::memcpy(name, found.c_str(), found.size() + 1);
  nameLength = static_cast<std::uint32_t>(found.size());
  return os::error::kSuccess;
}

long FakeRegistry::DeleteValue(os::KeyHandle key, const std::string& name) {
  Node* node = nullptr;
  if (const long error = ResolveForWriting(key, node)) return error;
  auto at = Position(node->values, name);
  if (at == node->values.end() || Folded(at->name) != Folded(name))
    return os::error::kFileNotFound;
  node->values.erase(at);
  return os::error::kSuccess;
}

long FakeRegistry::DeleteKey(os::KeyHandle key, const std::string& subkey) {
  Node* parent = nullptr;
  if (const long error = ResolveForWriting(key, parent)) return error;
  std::vector<std::string> parts = Split(subkey);
  if (parts.empty()) return os::error::kFileNotFound;
  const std::string last = parts.back();
  parts.pop_back();
  for (const std::string& part : parts) {
    Node::Child* child = fakes::Lookup(parent->subkeys, part);
    if (child == nullptr) return os::error::kFileNotFound;
    parent = child->node.get();
  }
  auto at = Position(parent->subkeys, last);
  if (at == parent->subkeys.end() || Folded(at->name) != Folded(last))
    return os::error::kFileNotFound;
  if (!at->node->subkeys.empty()) return os::error::kAccessDenied;
  at->node->MarkDeleted();
  parent->subkeys.erase(at);
  return os::error::kSuccess;
}

void FakeRegistry::Put(os::Root root, const std::string& path,
                       const std::string& name, os::ValueType type,
                       const std::vector<unsigned char>& bytes) {
  Node* node = Ensure(root, path);
  RegValue value{type, bytes};
  if (Node::Value* existing = fakes::Lookup(node->values, name))
    existing->value = value;
  else
    node->values.insert(Position(node->values, name), {name, value});
}

void FakeRegistry::PutText(os::Root root, const std::string& path,
                           const std::string& name, const std::string& text) {
  std::vector<unsigned char> bytes(text.begin(), text.end());
  bytes.push_back(0);
  Put(root, path, name, os::ValueType::Text, bytes);
}

void FakeRegistry::PutDword(os::Root root, const std::string& path,
                            const std::string& name, std::uint32_t value) {
  std::vector<unsigned char> bytes(4);
  std::memcpy(bytes.data(), &value, 4);
  Put(root, path, name, os::ValueType::Dword, bytes);
}

void FakeRegistry::PutKey(os::Root root, const std::string& path) {
  Ensure(root, path);
}

std::optional<RegValue> FakeRegistry::Get(os::Root root,
                                          const std::string& path,
                                          const std::string& name) const {
  Node* node = Find(root, path);
  if (node == nullptr) return std::nullopt;
  Node::Value* value = fakes::Lookup(node->values, name);
  if (value == nullptr) return std::nullopt;
  return value->value;
}

std::optional<std::string> FakeRegistry::Text(os::Root root,
                                              const std::string& path,
                                              const std::string& name) const {
  std::optional<RegValue> value = Get(root, path, name);
  if (!value || value->type != os::ValueType::Text || value->bytes.empty() ||
      value->bytes.back() != 0)
    return std::nullopt;
  return std::string(value->bytes.begin(), value->bytes.end() - 1);
}

bool FakeRegistry::KeyExists(os::Root root, const std::string& path) const {
  return Find(root, path) != nullptr;
}

bool FakeRegistry::IsVolatile(os::Root root, const std::string& path) const {
  Node* node = Find(root, path);
  return node != nullptr && node->isVolatile;
}

std::vector<std::string> FakeRegistry::ValueNames(
    os::Root root, const std::string& path) const {
  std::vector<std::string> result;
  if (Node* node = Find(root, path))
    for (const Node::Value& value : node->values) result.push_back(value.name);
  return result;
}

std::vector<std::string> FakeRegistry::SubkeyNames(
    os::Root root, const std::string& path) const {
  std::vector<std::string> result;
  if (Node* node = Find(root, path))
    for (const Node::Child& child : node->subkeys) result.push_back(child.name);
  return result;
}

void FakeRegistry::Deny(os::Root root, const std::string& path, long code) {
  denied_[{root, Folded(path)}] = code;
}

void FakeRegistry::Allow(os::Root root, const std::string& path) {
  denied_.erase({root, Folded(path)});
}

std::string FakeRegistry::Dump() const {
  std::string out;
  struct Walk {
    std::string& out;
    void operator()(const Node& node, const std::string& path) const {
      out += "[" + path + (node.isVolatile ? "] volatile\n" : "]\n");
      for (const Node::Value& value : node.values) {
        out += value.name + " " +
               std::to_string(static_cast<unsigned>(value.value.type)) + ":";
        for (unsigned char byte : value.value.bytes)
          out += " " + std::to_string(byte);
        out += "\n";
      }
      for (const Node::Child& child : node.subkeys)
        (*this)(*child.node, path + "\\" + child.name);
    }
  };
  Walk{out}(*machine_, "HKLM");
  Walk{out}(*user_, "HKCU");
  return out;
}

void FakeRegistry::Restart() {
  machine_->DropVolatile();
  user_->DropVolatile();
}

}  // namespace fakes
