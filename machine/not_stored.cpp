#include "machine/not_stored.h"

#include "machine/banshee.h"
#include "machine/cards.h"
#include "machine/os_family.h"
#include "store/names.h"
#include "store/single_value.h"

namespace settings {
namespace {

// Registry paths compare without regard to case.
bool Within(const std::string& path, const std::string& key) {
  if (key.empty() || path.size() < key.size()) return false;
  if (path.size() > key.size() && path[key.size()] != '\\') return false;
  return UpperCase(path.substr(0, key.size())) == UpperCase(key);
}

bool Refuses(const std::vector<Refusal>& refused, const std::string& key) {
  for (const Refusal& refusal : refused)
    if (!refusal.file && refusal.root == os::kMachine &&
        Within(refusal.path, key))
      return true;
  return false;
}

std::string Listed(const std::vector<std::string>& items) {
  std::string text;
  for (std::size_t i = 0; i < items.size(); ++i)
    text += (i == 0 ? "" : i + 1 == items.size() ? " and " : ", ") + items[i];
  return text;
}

}  // namespace

const char* NotStoredCause(const std::string& osFamily) {
  return osFamily == family::kWindowsNT ? kCauseNT : kCause95;
}

std::string NotStoredMessage(os::Registry& registry,
                             const std::string& osFamily,
                             const std::string& what,
                             const std::vector<Refusal>& refused) {
  std::vector<std::string> cards, files;
  for (const std::string& card : ListCards(registry, osFamily)) {
    const std::string cardKey = CardKey(osFamily, card);
    const std::string driverKey = osFamily == family::kWindows95
                                      ? DriverKey(card)
                                      : DevicePath(registry, card);
    if (!Refuses(refused, cardKey) && !Refuses(refused, driverKey)) continue;
    std::string description = card;
    ReadText(registry, cardKey, names::kDriverDesc, description);
    cards.push_back(description);
  }
  for (const Refusal& refusal : refused)
    if (refusal.file) files.push_back(refusal.path);
  std::string text = kNotStoredStart + what;
  if (!cards.empty()) text += " for " + Listed(cards);
  if (!files.empty()) text += "; " + Listed(files) + " could not be written";
  return text + ".\n\n" + NotStoredCause(osFamily) + "\n\n" +
         kPageKeepsChoices;
}

}  // namespace settings
