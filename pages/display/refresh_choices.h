#pragma once

#include <cstdint>
#include <string>

// What a refresh list's entries mean.
namespace display {

// Windows 95/98: every list holds these ten choices; the driver reads the
// choice as text ("-1" optimal, "0" its default, else hertz).
inline constexpr int kChoices = 10;
inline constexpr const char* kChoiceEntries[kChoices] = {
    "Optimal", "Default", "60 Hz",  "70 Hz",  "72 Hz",
    "75 Hz",   "85 Hz",   "100 Hz", "120 Hz", "160 Hz"};

// The stored text of a list position; empty for any other position, no
// selection (-1) included.
std::string ChoiceText(int position);
// The position of a stored text, by exact comparison; 0 ("Optimal") for
// any other text, the empty one included.
int ChoiceOfText(const std::string& text);

// Windows NT: a list holds the rates the platform lists for its size, and
// "N/A" when it lists none.
inline constexpr const char kNoRate[] = "N/A";
// "75 Hz".
std::string RateEntry(std::uint32_t hertz);
// The hertz of an entry that RateEntry makes, whatever the number; 0, no
// rate, for any other text ("N/A", an empty text, a typed one).
std::uint32_t HzOfEntry(const std::string& entry);

}  // namespace display
