#include "ui/app_message.h"

std::string ExecutableBaseName(const std::string& modulePath) {
  const std::size_t slash = modulePath.find_last_of("\\/:");
  std::string name =
      slash == std::string::npos ? modulePath : modulePath.substr(slash + 1);
  const std::size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.erase(dot);
  return name;
}

os::Answer AppMessageBox(os::Services& services, const std::string& text,
                         os::Buttons buttons) {
  return services.shell.ShowMessage(
      ExecutableBaseName(services.system.ModulePath()), text, buttons,
      os::Icon::Exclamation);
}
