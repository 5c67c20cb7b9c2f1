#include "pages/display/refresh_choices.h"

#include <cstdio>
#include <cstdlib>

namespace display {
namespace {

constexpr const char* kChoiceTexts[kChoices] = {
    "-1", "0", "60", "70", "72", "75", "85", "100", "120", "160"};

}  // namespace

std::string ChoiceText(int position) {
  if (position < 0 || position >= kChoices) return std::string();
  return kChoiceTexts[position];
}

int ChoiceOfText(const std::string& text) {
  for (int position = 0; position < kChoices; ++position)
    if (text == kChoiceTexts[position]) return position;
  return 0;
}

std::string RateEntry(std::uint32_t hertz) {
  char text[24];
  std::snprintf(text, sizeof text, "%d Hz", static_cast<int>(hertz));
  return text;
}

// The platform may list rates outside the usual 50 to 200 Hz (1 Hz for a
// mode at the hardware's default rate): an entry gives back the number it
// was made of, so that the mode it names can be found again.
std::uint32_t HzOfEntry(const std::string& entry) {
  const unsigned long hertz = std::strtoul(entry.c_str(), nullptr, 10);
  if (hertz == 0 || hertz > 0x7FFFFFFF) return 0;
  const std::uint32_t rate = static_cast<std::uint32_t>(hertz);
  return RateEntry(rate) == entry ? rate : 0;
}

}  // namespace display
