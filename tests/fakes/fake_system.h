#pragma once

#include "os/system.h"

namespace fakes {

class FakeSystem : public os::System {
 public:
  bool GetVersion(os::VersionInfo& info) override {
    if (!versionAvailable) return false;
    info = version;
    return true;
  }
  std::string SystemDirectory() override { return systemDirectory; }
  std::string WindowsDirectory() override { return windowsDirectory; }
  std::string ModulePath() override { return modulePath; }

  bool versionAvailable = true;
  os::VersionInfo version{4, 10, 2222, os::kPlatformWindows};
  std::string systemDirectory = "C:\\WINDOWS\\SYSTEM";
  std::string windowsDirectory = "C:\\WINDOWS";
  std::string modulePath = "C:\\Program Files\\Kvartune\\kvtune.exe";
};

}  // namespace fakes
