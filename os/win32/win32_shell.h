#pragma once

#include "os/shell.h"

namespace os {

// The MessageBoxA style for a message box of these buttons and icon.
unsigned MessageBoxStyle(Buttons buttons, Icon icon);

class Win32Shell : public Shell {
 public:
  MutexState CreateNamedMutex(const std::string& name) override;
  bool MutexExists(const std::string& name) override;
  bool RestoreWindow(const std::string& caption) override;
  Answer ShowMessage(const std::string& caption, const std::string& text,
                    Buttons buttons, Icon icon) override;
  Answer AskWithTimeout(const std::string& caption, const CountdownText& text,
                        unsigned seconds, Icon icon) override;
  void OpenWebPage(const std::string& address) override;
  void BroadcastSettingChange(const std::string& area,
                              unsigned timeout) override;
  void SetVariable(const std::string& name, const std::string* value) override;
  long RunProgram(const std::string& commandLine, const std::string& folder,
                  std::uint32_t& exitCode, std::string& why) override;
};

}  // namespace os
