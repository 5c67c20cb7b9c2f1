#include "app/card_detection.h"

#include "store/delete.h"
#include "store/names.h"
#include "store/registry_key.h"
#include "store/single_value.h"
#include "ui/app_message.h"

namespace {
constexpr os::Root kMachine = os::Root::LocalMachine;
}

CCardDetection::CCardDetection(os::Services& services) : services_(services) {}

void CCardDetection::RecordCard(const std::string& cardKey, const Card& card) {
  CRegistryKey key(services_.registry);
  if (key.Open(kMachine, cardKey) != os::error::kSuccess) return;
  key.SetText(names::kDriverDesc, card.description);
  key.SetText(names::kDriver, card.driver);
  if (!card.devicePath.empty()) key.SetText(names::kDevicePath, card.devicePath);
  key.SetText(names::kHWRevision, card.revision);
  key.SetText(names::kDriverVersion, card.driverVersion);
  key.SetText(names::kDetected, "1");
  key.Close();
}

bool CCardDetection::Finish(int count, const std::string& cardsTree) {
  if (count == 0) {
    AppMessageBox(services_, kNotFoundMessage);
    return false;
  }
  WriteText(services_.registry, names::kCommon, names::kDisplayNumber,
            std::to_string(count));
  Sweep(cardsTree);
  return true;
}

// Card keys still marked "detected" were found in this start and lose the
// mark; the others belong to cards that are gone and are deleted with every
// setting stored in them.
void CCardDetection::Sweep(const std::string& cardsTree) {
  CRegistryKey key(services_.registry);
  std::vector<std::string> cards;
  key.ListSubkeys(kMachine, cardsTree, cards);
  for (const std::string& card : cards) {
    const std::string cardKey = cardsTree + "\\" + card;
    std::string detected;
    ReadText(services_.registry, cardKey, names::kDetected, detected);
    if (detected == "1")
      DeleteValues(services_.registry, kMachine, cardKey, {names::kDetected});
    else
      DeleteSubkey(services_.registry, kMachine, cardsTree, card);
  }
}
