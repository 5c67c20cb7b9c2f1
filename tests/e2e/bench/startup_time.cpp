// Measures how long kvtune.exe takes from its process start to its visible
// main window on a Windows 98 PC with one Banshee, against the bare sheet
// (bare_sheet.cpp) in the same prefix: runs alternate, one line a pair, then
// both medians and their ratio. The argument is the number of pairs (9 when
// none is given).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bare_sheet.h"
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

double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  const std::size_t middle = times.size() / 2;
  return times.size() % 2 != 0 ? times[middle]
                               : (times[middle - 1] + times[middle]) / 2;
}

bool UnloadProgram(e2e::ProgramRun& program, HWND sheet) {
  return e2e::Unload(program, sheet);
}

bool CloseBareSheet(e2e::ProgramRun& program, HWND sheet) {
  return PostMessageA(sheet, WM_SYSCOMMAND, SC_CLOSE, 0) &&
         program.WaitForExit();
}

struct Contender {
  std::string path;
  const char* title;
  bool (*end)(e2e::ProgramRun&, HWND);
  std::vector<double> times;
};

// One start up to the visible window, then the end; false when either
// failed.
bool Run(Contender& contender) {
  LARGE_INTEGER start, shown;
  QueryPerformanceCounter(&start);
  e2e::ProgramRun program(contender.path);
  const HWND sheet = program.WaitForWindow(e2e::kDialogClass, contender.title);
  QueryPerformanceCounter(&shown);
  if (sheet == nullptr || !contender.end(program, sheet)) {
    std::printf("%s: no window, or it did not end\n", contender.title);
    return false;
  }
  contender.times.push_back(Milliseconds(start, shown));
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const int pairs = argc > 1 ? std::atoi(argv[1]) : 9;
  if (pairs < 1 || !e2e::SeedMachine({"win98-one-banshee"})) return 2;
  Contender program{e2e::ProgramPath(), e2e::kTitle.c_str(), UnloadProgram};
  Contender bare{e2e::BareSheetPath(), kBareSheetTitle, CloseBareSheet};
  for (int pair = 0; pair < pairs; ++pair) {
    // Each goes first in every other pair.
    Contender& first = pair % 2 == 0 ? program : bare;
    Contender& second = pair % 2 == 0 ? bare : program;
    if (!Run(first) || !Run(second)) return 1;
    std::printf("pair %d: kvtune %.0f ms, bare sheet %.0f ms\n", pair + 1,
                program.times.back(), bare.times.back());
  }
  const double programMedian = Median(program.times);
  const double bareMedian = Median(bare.times);
  std::printf("medians of %d pairs: kvtune %.0f ms, bare sheet %.0f ms, "
              "ratio %.2f (polled every %lu ms)\n",
              pairs, programMedian, bareMedian, programMedian / bareMedian,
              static_cast<unsigned long>(e2e::kPollInterval));
  return 0;
}
