#include "machine/cards.h"

#include "machine/os_family.h"
#include "store/names.h"
#include "store/registry_key.h"
#include "store/single_value.h"

std::vector<std::string> ListCards(os::Registry& registry,
                                   const std::string& osFamily) {
  std::vector<std::string> cards;
  CRegistryKey(registry).ListSubkeys(os::kMachine,
                                     osFamily == family::kWindows95
                                         ? names::kDisplayCards
                                         : names::kDeviceCards,
                                     cards);
  return cards;
}

std::string CardKey(const std::string& osFamily, const std::string& card) {
  return std::string(osFamily == family::kWindows95 ? names::kDisplayCards
                                                    : names::kDeviceCards) +
         "\\" + card;
}

std::string DriverKey(const std::string& card) {
  return names::kDriverClass + card;
}

std::string DevicePath(os::Registry& registry, const std::string& card) {
  std::string path;
  ReadText(registry, CardKey(family::kWindowsNT, card), names::kDevicePath,
           path);
  return path;
}

CardKeys KeysOfCard(const std::string& osFamily, const managed::Card& card) {
  const std::string& base = card.baseKey;
  return {osFamily == family::kWindows95 ? base + names::kDefaultSubkey : base,
          base + names::kD3DSubkey, base + names::kGlideSubkey,
          CardKey(osFamily, card.name)};
}

std::vector<managed::Card> RecordedCards(os::Registry& registry,
                                         const std::string& osFamily) {
  std::vector<managed::Card> cards;
  for (const std::string& card : ListCards(registry, osFamily)) {
    const std::string base = osFamily == family::kWindows95
                                 ? DriverKey(card)
                                 : DevicePath(registry, card);
    if (!base.empty()) cards.push_back({card, base});
  }
  return cards;
}
