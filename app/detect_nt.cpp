#include <cstring>

#include "app/card_detection.h"
#include "app/version_text.h"
#include "store/names.h"
#include "store/registry_key.h"
#include "store/single_value.h"

namespace {

constexpr char kVideoEntry[] = "\\DEVICE\\VIDEO";
// A device link reads \REGISTRY\Machine\ and then the path below
// HKEY_LOCAL_MACHINE.
constexpr std::size_t kLinkPrefixLength = 18;
// "3Dfx Voodoo Banshee" in UTF-16 little-endian with its terminating zero.
constexpr std::uint32_t kChipTypeSize = 40;

bool IsBanshee(const unsigned char* chipType) {
  static const char kChip[] = "3Dfx Voodoo Banshee";
  unsigned char expected[kChipTypeSize] = {};
  for (std::size_t i = 0; i < sizeof kChip - 1; ++i)
    expected[2 * i] = static_cast<unsigned char>(kChip[i]);
  return std::memcmp(chipType, expected, kChipTypeSize) == 0;
}

}  // namespace

bool CCardDetection::DetectNT() {
  CRegistryKey key(services_.registry);
  std::vector<std::string> entries;
  key.ListValues(os::kMachine, names::kVideoDeviceMap, entries);

  int count = 0;
  for (const std::string& entry : entries) {
    std::string link;
    ReadText(services_.registry, names::kVideoDeviceMap, entry, link);
    if (UpperCase(entry).find(kVideoEntry) == std::string::npos) continue;
    // A link too short to hold its prefix names no device.
    if (link.size() <= kLinkPrefixLength) continue;

    Card card;
    card.description = kNotAvailable;
    card.revision = kNotAvailable;
    card.devicePath = UpperCase(link).substr(kLinkPrefixLength);
    unsigned char chipType[kChipTypeSize] = {};
    std::uint32_t chipTypeSize = kChipTypeSize;
    long chipResult = os::error::kFileNotFound;
    if (key.Open(os::kMachine, card.devicePath) == os::error::kSuccess) {
      chipResult = key.QueryRaw(names::kChipType, chipType, chipTypeSize);
      key.QueryText(names::kDeviceDescription, card.description);
      key.Close();
    }
    if (chipResult != os::error::kSuccess || !IsBanshee(chipType)) continue;
    ++count;

    // The driver's service key holds the device key.
    const std::size_t slash = card.devicePath.rfind('\\');
    if (slash != std::string::npos)
      ReadText(services_.registry, card.devicePath.substr(0, slash),
               names::kImagePath, card.driver);
    card.driverVersion = FileVersionText(
        services_.files, services_.system.WindowsDirectory() + "\\" + card.driver,
        DriverVersionText);
    RecordCard(std::string(names::kTree) + entry, card);
  }
  return Finish(count, names::kDeviceCards);
}
