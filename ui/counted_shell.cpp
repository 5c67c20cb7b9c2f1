#include "ui/counted_shell.h"

namespace ui {

os::MutexState CountedShell::CreateNamedMutex(const std::string& name) {
  return shell_.CreateNamedMutex(name);
}

bool CountedShell::MutexExists(const std::string& name) {
  return shell_.MutexExists(name);
}

bool CountedShell::RestoreWindow(const std::string& caption) {
  return shell_.RestoreWindow(caption);
}

os::Answer CountedShell::ShowMessage(const std::string& caption,
                                     const std::string& text,
                                     os::Buttons buttons, os::Icon icon) {
  const Open open(*this);
  return shell_.ShowMessage(caption, text, buttons, icon);
}

os::Answer CountedShell::AskWithTimeout(const std::string& caption,
                                        const os::CountdownText& text,
                                        unsigned seconds, os::Icon icon) {
  const Open open(*this);
  return shell_.AskWithTimeout(caption, text, seconds, icon);
}

void CountedShell::OpenWebPage(const std::string& address) {
  shell_.OpenWebPage(address);
}

void CountedShell::BroadcastSettingChange(const std::string& area,
                                          unsigned timeout) {
  shell_.BroadcastSettingChange(area, timeout);
}

void CountedShell::SetVariable(const std::string& name,
                               const std::string* value) {
  shell_.SetVariable(name, value);
}

long CountedShell::RunProgram(const std::string& commandLine,
                              const std::string& folder,
                              std::uint32_t& exitCode, std::string& why) {
  return shell_.RunProgram(commandLine, folder, exitCode, why);
}

}  // namespace ui
