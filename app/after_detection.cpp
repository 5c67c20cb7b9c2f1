#include "app/card_detection.h"
#include "machine/cards.h"
#include "machine/run_entry.h"
#include "app/version_text.h"
#include "res/resource.h"
#include "store/delete.h"
#include "store/flags.h"
#include "store/names.h"
#include "store/registry_key.h"
#include "store/single_value.h"

void CCardDetection::AfterDetection(const std::string& osFamily) {
  SelectCard(osFamily);
  WriteVersions();
  UpdateRunEntry();
}

// Keeps the stored selection while its card is still listed, and otherwise
// selects the first card.
void CCardDetection::SelectCard(const std::string& osFamily) {
  std::string selected;
  ReadText(services_.registry, names::kCommon, names::kSelectedDisplay,
           selected);
  DeleteValues(services_.registry, os::kMachine, names::kCommon,
               {names::kSelectedDisplay});

  const std::vector<std::string> cards =
      ListCards(services_.registry, osFamily);
  if (!selected.empty()) {
    for (const std::string& card : cards) {
      if (card == selected)
        WriteText(services_.registry, names::kCommon,
                  names::kSelectedDisplay, card);
    }
    selected.clear();
    ReadText(services_.registry, names::kCommon, names::kSelectedDisplay,
             selected);
  }
  if (selected.empty() && !cards.empty())
    WriteText(services_.registry, names::kCommon, names::kSelectedDisplay,
              cards.front());
}

void CCardDetection::WriteVersions() {
  const std::string system = services_.system.SystemDirectory();
  const std::string glide2 = FileVersionText(
      services_.files, system + "\\glide2x.dll", LibraryVersionText);
  const std::string glide3 = FileVersionText(
      services_.files, system + "\\glide3x.dll", LibraryVersionText);

  std::string directX;
  ReadText(services_.registry, names::kDirectX, names::kDirectXVersionValue,
           directX);
  if (directX.empty()) directX = kNotAvailable;

  CRegistryKey key(services_.registry);
  if (key.Open(os::kMachine, names::kCommon) != os::error::kSuccess) return;
  key.SetText(names::kVersion, KVT_VERSION);
  key.SetText(names::kGlide2Version, glide2);
  key.SetText(names::kGlide3Version, glide3);
  key.SetText(names::kDirectXVersion, directX);
  key.Close();
}

void CCardDetection::UpdateRunEntry() {
  if (flags::Read(services_.registry, names::kCommon, flags::kLoadStartup))
    WriteRunEntry(services_);
  else
    DeleteRunEntry(services_.registry);
}
