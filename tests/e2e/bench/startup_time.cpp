// Measures how long kvtune.exe takes from its process start to its visible
// main window on a Windows 98 PC with one Banshee: one line a run, then the
// median. The argument is the number of runs (9 when none is given).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "e2e_paths.h"
#include "machine_profile.h"
#include "main_window.h"
#include "program_run.h"
#include "window_control.h"

namespace {

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::atoi(argv[1]) : 9;
  if (runs < 1 || !e2e::SeedMachine({"win98-one-banshee"})) return 2;
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    LARGE_INTEGER start, shown;
    QueryPerformanceCounter(&start);
    e2e::ProgramRun program(e2e::ProgramPath());
    const HWND sheet = program.WaitForWindow(e2e::kDialogClass, e2e::kTitle);
    QueryPerformanceCounter(&shown);
    if (sheet == nullptr || !e2e::Unload(program, sheet)) {
      std::printf("run %d: no window, or it did not unload\n", run + 1);
      return 1;
    }
    times.push_back(Milliseconds(start, shown));
    std::printf("run %d: %.0f ms\n", run + 1, times.back());
  }
  std::sort(times.begin(), times.end());
  const std::size_t middle = times.size() / 2;
  const double median = times.size() % 2 != 0
                            ? times[middle]
                            : (times[middle - 1] + times[middle]) / 2;
  std::printf("median of %d runs: %.0f ms (polled every %lu ms)\n", runs,
              median, static_cast<unsigned long>(e2e::kPollInterval));
  return 0;
}
