#pragma once

#include <cstdint>
#include <string>

namespace os {

// The fixed version record (VS_FIXEDFILEINFO) of a file.
struct FixedVersion {
  std::uint32_t fileVersionMS = 0;
  std::uint32_t fileVersionLS = 0;
  std::uint32_t strucVersion = 0;
};

class Files {
 public:
  virtual ~Files() = default;

  // The existence test: FindFirstFileA finds the path.
  virtual bool Exists(const std::string& path) = 0;
  // False when the file has no readable fixed version record.
  virtual bool ReadFixedVersion(const std::string& path,
                                FixedVersion& version) = 0;
};

}  // namespace os
