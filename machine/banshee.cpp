#include "machine/banshee.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {

constexpr char kBansheePciId[] = "VEN_121A&DEV_0003";
constexpr char kVideoEntry[] = "\\DEVICE\\VIDEO";
// A device link reads \REGISTRY\Machine\ and then the path below
// HKEY_LOCAL_MACHINE.
constexpr std::size_t kLinkPrefixLength = 18;

}  // namespace

std::string UpperCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
    return static_cast<char>(std::toupper(c));
  });
  return text;
}

bool IsBansheeDevice(const std::string& pciName) {
  return pciName.compare(0, sizeof kBansheePciId - 1, kBansheePciId) == 0;
}

bool IsVideoEntry(const std::string& entry) {
  return UpperCase(entry).find(kVideoEntry) != std::string::npos;
}

std::string DevicePathOfLink(const std::string& link) {
  if (link.size() <= kLinkPrefixLength) return std::string();
  return UpperCase(link).substr(kLinkPrefixLength);
}

bool IsBansheeChip(const unsigned char (&chipType)[kChipTypeSize]) {
  static const char kChip[] = "3Dfx Voodoo Banshee";
  unsigned char expected[kChipTypeSize] = {};
  for (std::size_t i = 0; i < sizeof kChip - 1; ++i)
    expected[2 * i] = static_cast<unsigned char>(kChip[i]);
  return std::memcmp(chipType, expected, kChipTypeSize) == 0;
}
