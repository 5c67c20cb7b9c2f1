#include <windows.h>

#include "app/tweak_app.h"
#include "os/win32/win32_files.h"
#include "os/win32/win32_registry.h"
#include "os/win32/win32_shell.h"
#include "os/win32/win32_system.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  os::Win32Registry registry;
  os::Win32System system;
  os::Win32Files files;
  os::Win32Shell shell;
  os::Services services{registry, system, files, shell};

  CTweakApp app(services);
  if (!app.StartUp()) return 0;

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}
