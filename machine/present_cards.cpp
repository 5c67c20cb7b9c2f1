#include "machine/present_cards.h"

#include <cstring>

#include "machine/banshee.h"
#include "machine/os_family.h"
#include "store/names.h"
#include "store/peek.h"

namespace {

std::string LastPart(const std::string& path) {
  return path.substr(path.rfind('\\') + 1);
}

std::vector<managed::Card> Cards95(os::Registry& registry) {
  std::vector<managed::Card> cards;
  for (const std::string& device : PeekSubkeys(registry, names::kPciEnum)) {
    if (!IsBansheeDevice(device)) continue;
    const std::string deviceKey = std::string(names::kPciEnum) + "\\" + device;
    for (const std::string& instance : PeekSubkeys(registry, deviceKey)) {
      const std::string key = deviceKey + "\\" + instance;
      const std::string driver = PeekText(registry, key, names::kPciDriver);
      if (driver.empty()) continue;
      const std::string driverKey = names::kClassRoot + driver;
      if (PeekText(registry, driverKey, names::kDriverDescription) ==
          PeekText(registry, key, names::kPciDeviceDesc))
        cards.push_back({LastPart(driver), driverKey});
    }
  }
  return cards;
}

std::vector<managed::Card> CardsNT(os::Registry& registry) {
  std::vector<managed::Card> cards;
  for (const std::string& entry :
       PeekValueNames(registry, names::kVideoDeviceMap)) {
    if (!IsVideoEntry(entry)) continue;
    const std::string device = DevicePathOfLink(
        PeekText(registry, names::kVideoDeviceMap, entry));
    if (device.empty()) continue;
    RawValue chip;
    if (PeekValue(registry, os::kMachine, device, names::kChipType, chip) !=
            os::error::kSuccess ||
        chip.bytes.size() > kChipTypeSize)
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
                                        const std::string& osFamily) {
  return osFamily == family::kWindows95 ? Cards95(registry)
                                        : CardsNT(registry);
}
