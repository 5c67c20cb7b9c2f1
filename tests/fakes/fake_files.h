#pragma once

#include <map>
#include <optional>
#include <string>

#include "os/files.h"

namespace fakes {

// Files by exact path; a file without a version record holds nullopt.
class FakeFiles : public os::Files {
 public:
  bool Exists(const std::string& path) override {
    return files.count(path) == 1;
  }
  bool ReadFixedVersion(const std::string& path,
                        os::FixedVersion& version) override {
    auto it = files.find(path);
    if (it == files.end() || !it->second) return false;
    version = *it->second;
    return true;
  }

  std::map<std::string, std::optional<os::FixedVersion>> files;
};

}  // namespace fakes
