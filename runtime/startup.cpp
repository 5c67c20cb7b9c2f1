// The release's process entry, in place of MinGW's start-up code (which is
// built for the Pentium Pro and later): of its steps those this program
// needs, in its order, then WinMain, then exit() with WinMain's result.
#include <windows.h>

#include <cstdlib>

extern "C" {
void __main();                      // runs the static constructors
void __set_app_type(int type);      // msvcrt: report errors in message boxes
void _fpreset();                    // x87 unit as MinGW programs expect it
int WinMainCRTStartup();
}

namespace {

constexpr int kGuiApplication = 2;

// The command line after the program's name and the blanks behind it, as
// WinMain receives it from Windows' own start-up code.
char* CommandTail() {
  unsigned char* at = reinterpret_cast<unsigned char*>(GetCommandLineA());
  bool quoted = false;
  while (*at > ' ' || (*at != '\0' && quoted)) {
    if (*at == '"') quoted = !quoted;
    ++at;
  }
  while (*at != '\0' && *at <= ' ') ++at;
  return reinterpret_cast<char*>(at);
}

int ShowCommand() {
  STARTUPINFOA startup;
  startup.cb = sizeof startup;
  GetStartupInfoA(&startup);
  return (startup.dwFlags & STARTF_USESHOWWINDOW) != 0 ? startup.wShowWindow
                                                        : SW_SHOWDEFAULT;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int);

// __main registers the static destructors with atexit, which msvcrt's import
// library names as data only, since MinGW's own start-up code supplies the
// function; this one hands them to msvcrt's _onexit, which runs them at exit.
extern "C" int __cdecl atexit(void (*function)()) {
  return _onexit(reinterpret_cast<_onexit_t>(function)) != nullptr ? 0 : -1;
}

int WinMainCRTStartup() {
  __set_app_type(kGuiApplication);
  _fpreset();
  __main();
  std::exit(WinMain(GetModuleHandleA(nullptr), nullptr, CommandTail(),
                    ShowCommand()));
}
