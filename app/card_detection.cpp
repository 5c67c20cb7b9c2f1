#include "app/card_detection.h"

#include <algorithm>

#include "machine/banshee.h"
#include "machine/os_family.h"
#include "machine/present_cards.h"
#include "machine/settings_command.h"
#include "store/delete.h"
#include "store/names.h"
#include "store/registry_key.h"
#include "store/single_value.h"
#include "ui/app_message.h"

CCardDetection::CCardDetection(os::Services& services) : services_(services) {}

void CCardDetection::RecordCard(const std::string& cardKey, const Card& card) {
  CRegistryKey key(services_.registry);
  if (key.Open(os::kMachine, cardKey) != os::error::kSuccess) return;
  recorded_.push_back(UpperCase(cardKey));
  key.SetText(names::kDriverDesc, card.description);
  key.SetText(names::kDriver, card.driver);
  if (!card.devicePath.empty()) key.SetText(names::kDevicePath, card.devicePath);
  key.SetText(names::kHWRevision, card.revision);
  key.SetText(names::kDriverVersion, card.driverVersion);
  key.SetText(names::kDetected, "1");
  key.Close();
}

// A start without a card leaves the card keys as they are.
bool CCardDetection::Finish(int count, const std::string& osFamily) {
  if (count == 0) {
    NoCardRunning(osFamily);
    return false;
  }
  WriteText(services_.registry, names::kCommon, names::kDisplayNumber,
            std::to_string(count));
  Sweep(osFamily == family::kWindows95 ? names::kDisplayCards
                                       : names::kDeviceCards);
  return true;
}

// Cards an earlier start recorded whose keys are still the Banshee's (Safe
// Mode, VGA mode, a driver that did not load) can have their clocks put back
// to the driver's own, which a card that does not take its clock needs; a
// PC that never had one is told that there is no card.
void CCardDetection::NoCardRunning(const std::string& osFamily) {
  const std::vector<managed::Card> cards =
      KnownCards(services_.registry, osFamily);
  if (cards.empty()) {
    AppMessageBox(services_, kNotFoundMessage);
    return;
  }
  if (AppMessageBox(services_, kNoDriverQuestion, os::Buttons::YesNo) ==
      os::Answer::Yes)
    settings::Run(services_, osFamily, cards, settings::Command::DefaultClocks,
                  std::string(), false);
}

// Card keys still marked "detected" were found in this start and lose the
// mark; the others (a mark this start did not write among them) belong to cards that are gone and are deleted with every
// setting stored in them.
void CCardDetection::Sweep(const std::string& cardsTree) {
  CRegistryKey key(services_.registry);
  std::vector<std::string> cards;
  key.ListSubkeys(os::kMachine, cardsTree, cards);
  for (const std::string& card : cards) {
    const std::string cardKey = cardsTree + "\\" + card;
    std::string detected;
    ReadText(services_.registry, cardKey, names::kDetected, detected);
    const bool recorded = std::find(recorded_.begin(), recorded_.end(),
                                    UpperCase(cardKey)) != recorded_.end();
    // The mark goes first, so that no key keeps one, even a key that
    // cannot be deleted because it has subkeys.
    if (detected == "1")
      DeleteValues(services_.registry, os::kMachine, cardKey,
                   {names::kDetected});
    if (detected != "1" || !recorded)
      DeleteSubkey(services_.registry, os::kMachine, cardsTree, card);
  }
}
