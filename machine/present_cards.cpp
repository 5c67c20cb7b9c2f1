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

// Windows NT: a device key that names the Banshee's chip.
bool HoldsBansheeChip(os::Registry& registry, const std::string& device,
                      long& failure) {
  RawValue chip;
  const long read =
      PeekValue(registry, os::kMachine, device, names::kChipType, chip);
  if (read != os::error::kSuccess && read != os::error::kFileNotFound)
    failure = read;
  if (read != os::error::kSuccess || chip.bytes.size() > kChipTypeSize)
    return false;
  unsigned char chipType[kChipTypeSize] = {};
  if (!chip.bytes.empty())
    std::memcpy(chipType, chip.bytes.data(), chip.bytes.size());
  return IsBansheeChip(chipType);
}

std::vector<managed::Card> CardsNT(os::Registry& registry, long& failure) {
  std::vector<managed::Card> cards;
  for (const std::string& entry :
       PeekValueNames(registry, names::kVideoDeviceMap, failure)) {
    if (!IsVideoEntry(entry)) continue;
    const std::string device = DevicePathOfLink(
        PeekText(registry, names::kVideoDeviceMap, entry, failure));
    if (!device.empty() && HoldsBansheeChip(registry, device, failure))
      cards.push_back({LastPart(entry), device});
  }
  return cards;
}

// A recorded card whose key is still the Banshee's: on Windows 95/98 the
// driver key still describes the driver detection recorded (a card put in
// its place may take the same driver key), on Windows NT the device key
// still names the chip.
bool StillThere(os::Registry& registry, const std::string& osFamily,
                const managed::Card& card, long& failure) {
  if (osFamily != family::kWindows95)
    return HoldsBansheeChip(registry, card.baseKey, failure);
  const std::string recorded = PeekText(registry, CardKey(osFamily, card.name),
                                        names::kDriverDesc, failure);
  return !recorded.empty() &&
         PeekText(registry, card.baseKey, names::kDriverDescription,
                  failure) == recorded;
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
                                      const std::string& osFamily,
                                      std::vector<managed::Card> cards) {
  const bool nt = osFamily != family::kWindows95;
  long failure = os::error::kSuccess;
  for (const std::string& name : PeekSubkeys(
           registry, nt ? names::kDeviceCards : names::kDisplayCards,
           failure)) {
    const managed::Card card{
        name, nt ? PeekText(registry, CardKey(osFamily, name),
                            names::kDevicePath, failure)
                 : DriverKey(name)};
    bool listed = card.baseKey.empty();
    for (const managed::Card& other : cards)
      listed = listed || UpperCase(other.baseKey) == UpperCase(card.baseKey);
    if (!listed && StillThere(registry, osFamily, card, failure))
      cards.push_back(card);
  }
  return cards;
}
