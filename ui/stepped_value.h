#pragma once

#include <string>

namespace ui {

// A whole number that an up-down steps, such as a clock in MHz or a memory
// size in MB. The number one below the smallest choice stands for Default,
// the driver's own choice: one step up from Default gives the smallest
// choice, one step down from it gives Default.
struct SteppedRange {
  int defaultValue;
  int highest;
  // How a choice is shown, for example "%dMHz".
  const char* format;
};

// The value after a step: the up-down's delta is negative for its upper
// arrow, which raises the value, and accelerated steps move by more than
// one. Below the smallest choice it is Default, above the highest it is
// the highest. Counted in signed numbers, so that a large step down from
// Default stays Default.
int StepValue(const SteppedRange& range, long long value, int delta);
// "Default", or the choice in the range's format.
std::string SteppedText(const SteppedRange& range, int value);

}  // namespace ui
