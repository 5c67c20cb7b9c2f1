// Built under the program's file name in a folder of its own, so that Wine
// gives it the program's per-program settings. Writes what Windows tells it
// to the file named by its argument: the platform identifier, the system
// folder, the Windows folder and its own module path, one a line.
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  OSVERSIONINFOA version = {};
  version.dwOSVersionInfoSize = sizeof version;
  char system[MAX_PATH] = {}, windows[MAX_PATH] = {}, module[MAX_PATH] = {};
  if (!GetVersionExA(&version) || !GetSystemDirectoryA(system, MAX_PATH) ||
      !GetWindowsDirectoryA(windows, MAX_PATH) ||
      !GetModuleFileNameA(nullptr, module, MAX_PATH))
    return 1;
  FILE* answer = std::fopen(argv[1], "w");
  if (answer == nullptr) return 1;
  std::fprintf(answer, "%lu\n%s\n%s\n%s\n", version.dwPlatformId, system,
               windows, module);
  return std::fclose(answer) == 0 ? 0 : 1;
}
