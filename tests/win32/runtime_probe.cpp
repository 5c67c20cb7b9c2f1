// Started by runtime_test.cpp: a program on the release's own start-up code
// and number functions (runtime/), which checks them from inside and
// reports in its exit code one bit for each check that failed.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "runtime_probe.h"

// 64-bit MinGW's __main registers the static destructors with an atexit it
// expects inside the image, as MinGW's own start-up code has one; the
// release's 32-bit __main calls msvcrt's.
extern "C" {
__declspec(dllimport) _onexit_t __cdecl _onexit(_onexit_t function);
int __cdecl atexit(void (*function)()) {
  return _onexit(reinterpret_cast<_onexit_t>(function)) != nullptr ? 0 : -1;
}
}

namespace {

// Set by a static constructor, which the start-up code must run first.
struct Constructed {
  bool done = false;
  Constructed() { done = true; }
} constructed;

bool Formats(const char* expected, const char* format, double value) {
  char text[32];
  std::snprintf(text, sizeof text, format, value);
  return std::strcmp(text, expected) == 0;
}

bool CutsToSize() {
  char text[4] = {'x', 'x', 'x', 'x'};
  const int result = std::snprintf(text, sizeof text, "%d", 12345);
  return std::strcmp(text, "123") == 0 && result == 4;
}

bool Reads(const char* text, double expected, std::size_t used) {
  char* end = nullptr;
  const double value = std::strtod(text, &end);
  return value == expected && end == text + used;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR tail, int) {
  const struct {
    unsigned bit;
    bool passed;
  } checks[] = {
      {probe::kConstructors, constructed.done},
      {probe::kCommandTail, std::strcmp(tail, probe::kTail) == 0},
      {probe::kFormats, Formats("0.1", "%.15g", 0.1) &&
                            Formats("1e+015", "%.15g", 1e15) &&
                            Formats("1.500000", "%7.6lf", 1.5)},
      {probe::kCutsToSize, CutsToSize()},
      {probe::kReads, Reads("2.5 MHz", 2.5, 3) && Reads("0x10", 0, 1)},
  };
  unsigned failed = 0;
  for (const auto& check : checks)
    if (!check.passed) failed |= check.bit;
  return static_cast<int>(failed);
}
