// Measures how long kvtune.exe takes from its process start to its visible
// main window on a Windows 98 PC with one Banshee, against the bare sheet
// (bare_sheet.cpp) in the same prefix, once with its empty pages and once
// with the program's page dialogs: the three run in turn, one line a round,
// then the medians and their ratios. The argument is the number of rounds
// (9 when none is given).
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
  std::string arguments;
  const char* title;
  bool (*end)(e2e::ProgramRun&, HWND);
  std::vector<double> times = {};
};

// One start up to the visible window, then the end; false when either
// failed.
bool Run(Contender& contender) {
  LARGE_INTEGER start, shown;
  QueryPerformanceCounter(&start);
  e2e::ProgramRun program(contender.path, contender.arguments);
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
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 9;
  if (rounds < 1 ||
      !e2e::SeedMachine({"win98-one-banshee", "bench-bare-sheet-98"}))
    return 2;
  Contender program{e2e::ProgramPath(), "", e2e::kTitle.c_str(),
                    UnloadProgram};
  Contender bare{e2e::BareSheetPath(), "", kBareSheetTitle, CloseBareSheet};
  Contender pages{e2e::BareSheetPath(), e2e::ProgramPath(), kBareSheetTitle,
                  CloseBareSheet};
  Contender* order[] = {&program, &bare, &pages};
  for (int round = 0; round < rounds; ++round) {
    // Each goes first, second and third in turn.
    for (int turn = 0; turn < 3; ++turn)
      if (!Run(*order[(round + turn) % 3])) return 1;
    std::printf("round %d: kvtune %.0f ms, bare sheet %.0f ms, "
                "with the program's pages %.0f ms\n",
                round + 1, program.times.back(), bare.times.back(),
                pages.times.back());
  }
  const double programMedian = Median(program.times);
  const double bareMedian = Median(bare.times);
  const double pagesMedian = Median(pages.times);
  std::printf("medians of %d rounds (polled every %lu ms): kvtune %.0f ms, "
              "bare sheet %.0f ms, bare sheet with the program's pages "
              "%.0f ms\n",
              rounds, static_cast<unsigned long>(e2e::kPollInterval),
              programMedian, bareMedian, pagesMedian);
  std::printf("kvtune / bare sheet %.2f; kvtune / with the program's pages "
              "%.2f; the pages alone / bare sheet %.2f\n",
              programMedian / bareMedian, programMedian / pagesMedian,
              pagesMedian / bareMedian);
  return 0;
}
