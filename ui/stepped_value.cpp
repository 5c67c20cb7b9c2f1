#include "ui/stepped_value.h"

#include <cstdio>

namespace ui {

int StepValue(const SteppedRange& range, long long value, int delta) {
  const long long stepped = value - delta;
  if (stepped <= range.defaultValue) return range.defaultValue;
  if (stepped > range.highest) return range.highest;
  return static_cast<int>(stepped);
}

std::string SteppedText(const SteppedRange& range, int value) {
  if (value == range.defaultValue) return "Default";
  char text[32];
  std::snprintf(text, sizeof text, range.format, value);
  return text;
}

}  // namespace ui
