#include "machine/profile_file.h"

#include <algorithm>
#include <cctype>

#include "machine/banshee.h"
#include "machine/settings_command.h"
#include "machine/settings_file.h"
#include "store/flags.h"
#include "store/names.h"
#include "store/single_value.h"

namespace profile {
namespace {

constexpr char kReserved[] = "\\/:*?\"<>|";
constexpr const char* kDevices[] = {"CON", "PRN", "AUX", "NUL"};
constexpr const char* kNumberedDevices[] = {"COM", "LPT"};
// A profile is a few thousand bytes.
constexpr std::size_t kLongestProfile = 1 << 16;

bool DeviceName(const std::string& name) {
  const std::string base = UpperCase(name.substr(0, name.find('.')));
  for (const char* device : kDevices)
    if (base == device) return true;
  for (const char* device : kNumberedDevices)
    if (base.size() == 4 && base.compare(0, 3, device) == 0 && base[3] >= '1' &&
        base[3] <= '9')
      return true;
  return false;
}

// Where the card's own keys are: its base key itself or a key below it.
bool OfCard(const std::string& key, const managed::Card& card) {
  const std::string base = UpperCase(card.baseKey);
  const std::string upper = UpperCase(key);
  return upper.compare(0, base.size(), base) == 0 &&
         (upper.size() == base.size() || upper[base.size()] == '\\');
}

}  // namespace

std::string NameProblem(const std::string& name) {
  if (name.empty()) return kEmptyName;
  for (char c : name)
    if (static_cast<unsigned char>(c) < 0x20 ||
        std::string(kReserved).find(c) != std::string::npos)
      return kReservedCharacters;
  if (name.back() == '.' || name.back() == ' ') return kTrailingDot;
  if (DeviceName(name)) return name + kDeviceName;
  return "";
}

std::string Folder(os::System& system) {
  const std::string module = system.ModulePath();
  return module.substr(0, module.find_last_of('\\') + 1) + kFolderName;
}

std::string Path(os::System& system, const std::string& name) {
  return Folder(system) + "\\" + name + kExtension;
}

std::vector<managed::Card> TargetCards(
    os::Registry& registry, const std::vector<managed::Card>& cards) {
  std::string applyAll, selected;
  ReadText(registry, names::kCommon, names::kApplyAll, applyAll);
  ReadText(registry, names::kCommon, names::kSelectedDisplay, selected);
  std::vector<std::string> cardNames;
  for (const managed::Card& card : cards) cardNames.push_back(card.name);
  std::vector<managed::Card> targets;
  for (const std::string& name :
       flags::TargetCards(cardNames, applyAll, selected))
    for (const managed::Card& card : cards)
      if (card.name == name) targets.push_back(card);
  return targets;
}

std::vector<std::string> Names(os::Services& services,
                               const std::vector<managed::Value>& set) {
  std::vector<std::string> found;
  const std::string folder = Folder(services.system);
  const std::size_t extension = std::string(kExtension).size();
  for (const std::string& file : services.files.FileNames(folder, kExtension)) {
    std::string text;
    std::vector<regedit::Entry> entries;
    regedit::Problem problem;
    const std::string name = file.substr(0, file.size() - extension);
    if (NameProblem(name).empty() &&
        services.files.ReadBytes(folder + "\\" + file, kLongestProfile, text) &&
        settings::Parse(text, set, settings::Check::Profile, entries, problem))
      found.push_back(name);
  }
  std::sort(found.begin(), found.end(),
            [](const std::string& a, const std::string& b) {
              return UpperCase(a) < UpperCase(b);
            });
  return found;
}

bool Store(os::Services& services, const std::string& osFamily,
           const std::vector<managed::Value>& set,
           const std::vector<regedit::Entry>& entries, bool quiet,
           bool passedOver) {
  const bool stored =
      settings::Store(services, osFamily, set, entries, quiet, passedOver);
  for (const regedit::Entry& entry : entries)
    if (entry.root == os::Root::CurrentUser &&
        entry.key == names::kEnvironment) {
      services.shell.BroadcastSettingChange(names::kEnvironment,
                                            os::kBroadcastTimeout);
      break;
    }
  return stored;
}

std::vector<regedit::Entry> ForTargets(
    const std::vector<regedit::Entry>& entries,
    const std::vector<managed::Card>& cards,
    const std::vector<managed::Card>& targets) {
  std::vector<regedit::Entry> mapped;
  for (const regedit::Entry& entry : entries) {
    const auto source = std::find_if(
        cards.begin(), cards.end(),
        [&](const managed::Card& c) { return OfCard(entry.key, c); });
    if (source == cards.end()) {
      mapped.push_back(entry);
      continue;
    }
    for (const managed::Card& target : targets) {
      regedit::Entry copy = entry;
      copy.key = target.baseKey + entry.key.substr(source->baseKey.size());
      mapped.push_back(copy);
    }
  }
  return mapped;
}

}  // namespace profile
