#pragma once

#include "os/files.h"

namespace os {

class Win32Files : public Files {
 public:
  bool Exists(const std::string& path) override;
  bool ReadFixedVersion(const std::string& path,
                        FixedVersion& version) override;
};

}  // namespace os
