#pragma once

#include "os/system.h"

namespace os {

class Win32System : public System {
 public:
  bool GetVersion(VersionInfo& info) override;
  std::string SystemDirectory() override;
  std::string WindowsDirectory() override;
  std::string ModulePath() override;
};

}  // namespace os
