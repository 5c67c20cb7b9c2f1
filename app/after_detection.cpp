#include "app/card_detection.h"
#include "app/run_entry.h"
#include "app/version_text.h"
#include "store/delete.h"
#include "store/names.h"
#include "store/registry_key.h"

namespace {
constexpr os::Root kMachine = os::Root::LocalMachine;
}

void CCardDetection::AfterDetection(const std::string& osFamily) {
  SelectCard(osFamily);
  WriteVersions();
  UpdateRunEntry();
}

// Keeps the stored selection while its card is still listed, and otherwise
// selects the first card.
void CCardDetection::SelectCard(const std::string& osFamily) {
  CRegistryKey key(services_.registry);
  std::string selected;
  if (key.Open(kMachine, names::kCommon) == os::error::kSuccess) {
    key.QueryText(names::kSelectedDisplay, selected);
    key.Close();
  }
  DeleteValues(services_.registry, kMachine, names::kCommon,
               {names::kSelectedDisplay});

  const std::vector<std::string> cards =
      ListCards(services_.registry, osFamily);
  if (!selected.empty()) {
    for (const std::string& card : cards) {
      if (card != selected) continue;
      if (key.Open(kMachine, names::kCommon) == os::error::kSuccess) {
        key.SetText(names::kSelectedDisplay, card);
        key.Close();
      }
    }
    selected.clear();
    if (key.Open(kMachine, names::kCommon) == os::error::kSuccess) {
      key.QueryText(names::kSelectedDisplay, selected);
      key.Close();
    }
  }
  if (selected.empty() && !cards.empty() &&
      key.Open(kMachine, names::kCommon) == os::error::kSuccess) {
    key.SetText(names::kSelectedDisplay, cards.front());
    key.Close();
  }
}

void CCardDetection::WriteVersions() {
  const std::string system = services_.system.SystemDirectory();
  const std::string glide2 = FileVersionText(
      services_.files, system + "\\glide2x.dll", LibraryVersionText);
  const std::string glide3 = FileVersionText(
      services_.files, system + "\\glide3x.dll", LibraryVersionText);

  CRegistryKey key(services_.registry);
  std::string directX;
  if (key.Open(kMachine, names::kDirectX) == os::error::kSuccess) {
    key.QueryText(names::kDirectXVersionValue, directX);
    key.Close();
  }
  if (directX.empty()) directX = kNotAvailable;

  if (key.Open(kMachine, names::kCommon) != os::error::kSuccess) return;
  key.SetText(names::kVersion, kProgramVersion);
  key.SetText(names::kGlide2Version, glide2);
  key.SetText(names::kGlide3Version, glide3);
  key.SetText(names::kDirectXVersion, directX);
  key.Close();
}

void CCardDetection::UpdateRunEntry() {
  CRegistryKey key(services_.registry);
  std::string loadStartup;
  if (key.Open(kMachine, names::kCommon) == os::error::kSuccess) {
    key.QueryText(names::kLoadStartup, loadStartup);
    key.Close();
  }
  if (loadStartup == "1")
    WriteRunEntry(services_);
  else
    DeleteRunEntry(services_.registry);
}
