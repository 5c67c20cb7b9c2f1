#include "machine/present_cards.h"

#include <cstring>

#include "machine/banshee.h"
#include "machine/cards.h"
#include "machine/os_family.h"
#include "store/names.h"
#include "store/peek.h"

namespace {

std::string LastPart(const std::string& path) {
  return path.substr(path.rfind('\\') + 1);
}

std::vector<managed::Card> Cards95(os::Registry& registry, long& failure) {
  std::vector<managed::Card> cards;
  for (const std::string& device :
       PeekSubkeys(registry, names::kPciEnum, failure)) {
    if (!IsBansheeDevice(device)) continue;
    const std::string deviceKey = std::string(names::kPciEnum) + "\\" + device;
    for (const std::string& instance :
         PeekSubkeys(registry, deviceKey, failure)) {
      const std::string key = deviceKey + "\\" + instance;
      const std::string driver =
          PeekText(registry, key, names::kPciDriver, failure);
      if (driver.empty()) continue;
      const std::string driverKey = names::kClassRoot + driver;
      if (PeekText(registry, driverKey, names::kDriverDescription, failure) ==
          PeekText(registry, key, names::kPciDeviceDesc, failure))
        cards.push_back({LastPart(driver), driverKey});
    }
  }
  return cards;
}

std::vector<managed::Card> CardsNT(os::Registry& registry, long& failure) {
  std::vector<managed::Card> cards;
  for (const std::string& entry :
       PeekValueNames(registry, names::kVideoDeviceMap, failure)) {
    if (!IsVideoEntry(entry)) continue;
    const std::string device = DevicePathOfLink(
        PeekText(registry, names::kVideoDeviceMap, entry, failure));
    if (device.empty()) continue;
    RawValue chip;
    const long read =
        PeekValue(registry, os::kMachine, device, names::kChipType, chip);
    if (read != os::error::kSuccess && read != os::error::kFileNotFound)
      failure = read;
    if (read != os::error::kSuccess || chip.bytes.size() > kChipTypeSize)
      continue;
    unsigned char chipType[kChipTypeSize] = {};
    if (!chip.bytes.empty())
      std::memcpy(chipType, chip.bytes.data(), chip.bytes.size());
    if (IsBansheeChip(chipType)) cards.push_back({LastPart(entry), device});
  }
  return cards;
}

}  // namespace

std::vector<managed::Card> PresentCards(os::Registry& registry,
                                        const std::string& osFamily,
                                        bool& complete) {
  long failure = os::error::kSuccess;
  std::vector<managed::Card> cards = osFamily == family::kWindows95
                                         ? Cards95(registry, failure)
                                         : CardsNT(registry, failure);
  complete = failure == os::error::kSuccess;
  return cards;
}

std::vector<managed::Card> KnownCards(os::Registry& registry,
                                      const std::string& osFamily) {
  const bool nt = osFamily != family::kWindows95;
  long failure = os::error::kSuccess;
  std::vector<managed::Card> cards;
  for (const std::string& card : PeekSubkeys(
           registry, nt ? names::kDeviceCards : names::kDisplayCards,
           failure)) {
    const std::string base =
        nt ? PeekText(registry, CardKey(osFamily, card), names::kDevicePath,
                      failure)
           : DriverKey(card);
    if (!base.empty() && PeekKey(registry, base, failure))
      cards.push_back({card, base});
  }
  return cards;
}
