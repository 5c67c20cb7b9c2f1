#pragma once

#include <memory>
#include <string>
#include <vector>

#include "os/services.h"

// A key or file that refused a write.
struct Refusal {
  bool file = false;
  os::Root root = os::kMachine;  // a key's root
  std::string path;
};

// The services as a change the user asked for uses them: every call goes on
// to the registry and the files, and each write that did not take is kept.
// A write is the creation of a key, an open for writing, a value set, a
// deletion, a read through a key opened for writing (what a write reads to
// put a value back), a file appended to or written; a deletion of what is
// not there, or an open for writing of a key that is not there, is none.
class WriteWatch {
 public:
  explicit WriteWatch(os::Services& services);
  ~WriteWatch();
  WriteWatch(const WriteWatch&) = delete;
  WriteWatch& operator=(const WriteWatch&) = delete;

  // The services whose writes are watched.
  os::Services& services() { return watched_; }
  // Forgets the refusals so far.
  void Clear() { refused_.clear(); }
  // Each key and file that refused a write since the last Clear, once, in
  // the order of the first refusal.
  const std::vector<Refusal>& Refused() const { return refused_; }

 private:
  class Registry;
  class Files;
  void Refuse(const Refusal& refusal);

  std::vector<Refusal> refused_;
  std::unique_ptr<Registry> registry_;
  std::unique_ptr<Files> files_;
  os::Services watched_;
};
