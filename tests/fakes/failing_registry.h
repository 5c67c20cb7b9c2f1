#pragma once

#include <cstddef>
#include <optional>

#include "os/forwarding_registry.h"

namespace fakes {

// A registry in front of another that fails on purpose. Opens, queries,
// sets and deletes are counted together from 1; the call numbered by
// FailCall returns the given error code instead of reaching the registry.
// DenyRoot makes every open under a root fail, as for an account without
// the rights KEY_ALL_ACCESS asks for. Closing and enumerating always pass.
class FailingRegistry : public os::ForwardingRegistry {
 public:
  using os::ForwardingRegistry::ForwardingRegistry;

  void FailCall(std::size_t number, long code) {
    failAt_ = number;
    code_ = code;
  }
  void DenyRoot(os::Root root, long code) {
    deniedRoot_ = root;
    deniedCode_ = code;
  }
  // Opens, queries, sets and deletes so far.
  std::size_t Calls() const { return calls_; }
  std::size_t DeniedOpens() const { return deniedOpens_; }

  long CreateKey(os::Root root, const std::string& path, os::KeyOption option,
                 os::KeyHandle& key) override {
    if (const long error = Open(root)) return error;
    return ForwardingRegistry::CreateKey(root, path, option, key);
  }
  long OpenKey(os::Root root, const std::string& path, os::Access access,
               os::KeyHandle& key) override {
    if (const long error = Open(root)) return error;
    return ForwardingRegistry::OpenKey(root, path, access, key);
  }
  long QueryValue(os::KeyHandle key, const std::string& name,
                  os::ValueType* type, unsigned char* data,
                  std::uint32_t& size) override {
    if (const long error = Count()) return error;
    return ForwardingRegistry::QueryValue(key, name, type, data, size);
  }
  long SetValue(os::KeyHandle key, const std::string& name, os::ValueType type,
                const unsigned char* data, std::uint32_t size) override {
    if (const long error = Count()) return error;
    return ForwardingRegistry::SetValue(key, name, type, data, size);
  }
  long DeleteValue(os::KeyHandle key, const std::string& name) override {
    if (const long error = Count()) return error;
    return ForwardingRegistry::DeleteValue(key, name);
  }
  long DeleteKey(os::KeyHandle key, const std::string& subkey) override {
    if (const long error = Count()) return error;
    return ForwardingRegistry::DeleteKey(key, subkey);
  }

 private:
  long Open(os::Root root) {
    if (deniedRoot_ == root) {
      ++calls_;
      ++deniedOpens_;
      return deniedCode_;
    }
    return Count();
  }
  long Count() {
    ++calls_;
    return calls_ == failAt_ ? code_ : os::error::kSuccess;
  }

  std::size_t calls_ = 0;
  std::size_t failAt_ = 0;
  long code_ = os::error::kSuccess;
  std::optional<os::Root> deniedRoot_;
  long deniedCode_ = os::error::kAccessDenied;
  std::size_t deniedOpens_ = 0;
};

}  // namespace fakes
