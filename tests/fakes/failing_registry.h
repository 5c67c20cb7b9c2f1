#pragma once

#include <cstddef>
#include <optional>
#include <set>

#include "os/forwarding_registry.h"

namespace fakes {

// A registry in front of another that fails on purpose. Opens, queries,
// sets and deletes are counted together from 1; the call numbered by
// FailCall returns the given error code instead of reaching the registry.
// DenyWrites makes every creation and every open for writing under a root
// fail, as for an account without administrator rights under Windows NT,
// which may read the machine's keys but not change them. Closing and
// enumerating always pass.
class FailingRegistry : public os::ForwardingRegistry {
 public:
  using os::ForwardingRegistry::ForwardingRegistry;

  void FailCall(std::size_t number, long code) {
    failAt_ = number;
    code_ = code;
  }
  void DenyWrites(os::Root root, long code) {
    deniedRoot_ = root;
    deniedCode_ = code;
  }
  // Opens, queries, sets and deletes so far.
  std::size_t Calls() const { return calls_; }
  std::size_t DeniedOpens() const { return deniedOpens_; }
  // Whether the call that FailCall failed lost a write the user asked for:
  // a creation, a set, an open for writing or a deletion (unless it failed
  // with "not found", which a deletion of what is not there gives too), or
  // a read through a key opened for writing (what a write reads to put a
  // value back).
  bool FailedAWrite() const { return failedAWrite_; }

  long CreateKey(os::Root root, const std::string& path, os::KeyOption option,
                 os::KeyHandle& key) override {
    if (const long error = Open(root, true, true)) return error;
    const long result = ForwardingRegistry::CreateKey(root, path, option, key);
    return Opened(result, key, true);
  }
  long OpenKey(os::Root root, const std::string& path, os::Access access,
               os::KeyHandle& key) override {
    const bool write = access == os::Access::Write;
    if (const long error = Open(root, write, false)) return error;
    const long result = ForwardingRegistry::OpenKey(root, path, access, key);
    return Opened(result, key, write);
  }
  long CloseKey(os::KeyHandle key) override {
    writable_.erase(key);
    return ForwardingRegistry::CloseKey(key);
  }
  long QueryValue(os::KeyHandle key, const std::string& name,
                  os::ValueType* type, unsigned char* data,
                  std::uint32_t& size) override {
    if (const long error = Count(writable_.count(key) == 1, false))
      return error;
    return ForwardingRegistry::QueryValue(key, name, type, data, size);
  }
  long SetValue(os::KeyHandle key, const std::string& name, os::ValueType type,
                const unsigned char* data, std::uint32_t size) override {
    if (const long error = Count(true, true)) return error;
    return ForwardingRegistry::SetValue(key, name, type, data, size);
  }
  long DeleteValue(os::KeyHandle key, const std::string& name) override {
    if (const long error = Count(true, false)) return error;
    return ForwardingRegistry::DeleteValue(key, name);
  }
  long DeleteKey(os::KeyHandle key, const std::string& subkey) override {
    if (const long error = Count(true, false)) return error;
    return ForwardingRegistry::DeleteKey(key, subkey);
  }

 private:
  long Open(os::Root root, bool write, bool creates) {
    if (write && deniedRoot_ == root) {
      ++calls_;
      ++deniedOpens_;
      return deniedCode_;
    }
    return Count(write, creates);
  }
  long Opened(long result, os::KeyHandle key, bool write) {
    if (result == os::error::kSuccess && write) writable_.insert(key);
    return result;
  }
  // `write`: the call is part of a write; `always`: even a failure with
  // "not found" loses it.
  long Count(bool write, bool always) {
    ++calls_;
    if (calls_ != failAt_) return os::error::kSuccess;
    failedAWrite_ = write && (always || code_ != os::error::kFileNotFound);
    return code_;
  }

  std::size_t calls_ = 0;
  std::size_t failAt_ = 0;
  long code_ = os::error::kSuccess;
  std::optional<os::Root> deniedRoot_;
  long deniedCode_ = os::error::kAccessDenied;
  std::size_t deniedOpens_ = 0;
  bool failedAWrite_ = false;
  std::set<os::KeyHandle> writable_;
};

}  // namespace fakes
