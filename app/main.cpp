#include <windows.h>
#include <prsht.h>

#include "app/command_line.h"
#include "app/tweak_app.h"
#include "os/win32/win32_display.h"
#include "os/win32/win32_files.h"
#include "os/win32/win32_power.h"
#include "os/win32/win32_registry.h"
#include "os/win32/win32_shell.h"
#include "os/win32/win32_system.h"
#include "ui/win32/win32_sheet.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandTail, int) {
  os::Win32Registry registry;
  os::Win32System system;
  os::Win32Files files;
  os::Win32Shell shell;
  os::Win32Power power;
  os::Win32Display display;
  os::Services services{registry, system, files, shell, power, display};
  ui::Win32Sheet sheet(instance);

  CTweakApp app(services, sheet);
  const std::string tail = commandTail != nullptr ? commandTail : "";
  if (ParseCommandLine(tail).command) return app.RunCommand(tail);
  if (!app.StartUp()) return 0;

  // The message loop lives as long as the main window.
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (sheet.Window() != nullptr &&
        PropSheet_IsDialogMessage(sheet.Window(), &message))
      continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
