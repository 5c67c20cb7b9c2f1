// The display-mode row of the Display page: the depth and size lists, the
// prompt box and Set.
#include "machine/cards.h"
#include "pages/display/mode_texts.h"
#include "pages/display/my_page3.h"
#include "pages/display/size_table.h"
#include "res/controls.h"
#include "store/flags.h"
#include "store/names.h"
#include "store/registry_key.h"
#include "store/single_value.h"
#include "ui/app_message.h"

namespace {

os::DisplayMode DesktopMode(const display::DesktopModes& desktop,
                            std::uint32_t hertz) {
  return {static_cast<std::uint32_t>(desktop.depth),
          static_cast<std::uint32_t>(desktop.width),
          static_cast<std::uint32_t>(desktop.height), hertz};
}

}  // namespace

void CMyPage3::FillModeLists95() {
  FillModeLists(display::ModeText(DesktopMode(desktop_, 0),
                                  os::ModeFields::DepthAndSize),
                os::ModeFields::DepthAndSize);
}

// Without a rate stored for the desktop's size, the current mode is the
// desktop's depth and size at whatever rate the platform lists last.
void CMyPage3::FillModeListsNT(std::string& devicePath) {
  desktop_.ReadDesktopMode();
  std::uint32_t hertz = 0;
  bool rateRead = false;
  devicePath = DevicePath(services().registry, selected_);
  CRegistryKey key(services().registry);
  if (key.OpenToRead(os::kMachine, CardKey(family_, selected_)) ==
      os::error::kSuccess) {
    rateRead = key.QueryDword(display::RateValueName(desktop_.width,
                                                     desktop_.height),
                              hertz) == os::error::kSuccess;
    key.Close();
  }
  const os::ModeFields fields =
      rateRead ? os::ModeFields::WithFrequency : os::ModeFields::DepthAndSize;
  FillModeLists(display::ModeText(DesktopMode(desktop_, hertz), fields), fields);
}

void CMyPage3::FillModeLists(const std::string& currentText,
                             os::ModeFields fields) {
  controls().ClearItems(IDC_MODE_DEPTH);
  controls().ClearItems(IDC_MODE_SIZE);
  os::DisplayMode mode;
  for (int index = 0; services().display.ModeAt(index, mode); ++index) {
    const std::string depth =
        display::DepthEntry(static_cast<int>(mode.bitsPerPixel));
    const std::string size = display::SizeEntry(static_cast<int>(mode.width),
                                                static_cast<int>(mode.height));
    if (controls().FindExact(IDC_MODE_DEPTH, depth, ui::Controls::kNone) ==
        ui::Controls::kNone)
      controls().AddItem(IDC_MODE_DEPTH, depth);
    if (controls().FindExact(IDC_MODE_SIZE, size, ui::Controls::kNone) ==
        ui::Controls::kNone)
      controls().AddItem(IDC_MODE_SIZE, size);
    if (display::ModeText(mode, fields) == currentText) desktop_.current = index;
  }
  keptDepthItem_ = controls().FindExact(
      IDC_MODE_DEPTH, display::DepthEntry(desktop_.depth), ui::Controls::kNone);
  keptSizeItem_ = controls().FindExact(
      IDC_MODE_SIZE, display::SizeEntry(desktop_.width, desktop_.height),
      ui::Controls::kNone);
  SelectKeptModeItems();
}

void CMyPage3::ShowPromptBox() { controls().SetCheck(IDC_MODE_PROMPT, prompt_); }

void CMyPage3::SelectKeptModeItems() {
  controls().SetCurrentIndex(IDC_MODE_DEPTH, keptDepthItem_);
  controls().SetCurrentIndex(IDC_MODE_SIZE, keptSizeItem_);
}

void CMyPage3::Set() {
  SetMode();
  WriteText(services().registry, names::kCommon, names::kCheckDispMode,
            flags::Text(prompt_));
  controls().Enable(IDC_MODE_SET, false);
}

// SetMode95 and SetModeNT in one: Windows NT adds the rate stored for the
// chosen size. A text that names no listed mode (typed into a list's edit
// field, or a Windows NT size without a stored rate) changes nothing and is
// answered like a rejected mode; so is a prompted change when the page knows
// no current mode that Cancel could go back to, and a change that Windows
// fails after its test passed. The new mode is changed to without storing it
// and stored once kept: at once without the prompt.
void CMyPage3::SetMode() {
  const std::string depthText = controls().Text(IDC_MODE_DEPTH);
  const std::string sizeText = controls().Text(IDC_MODE_SIZE);
  const int chosenDepthItem = controls().CurrentIndex(IDC_MODE_DEPTH);
  const int chosenSizeItem = controls().CurrentIndex(IDC_MODE_SIZE);

  std::string target = depthText + " " + sizeText;
  bool named = true;
  if (!Is95()) {
    std::uint32_t hertz = 0;
    named = ReadRate(names::kRefreshRatePrefix + sizeText, hertz);
    target += " " + std::to_string(static_cast<int>(hertz));
  }
  const int chosen = named ? desktop_.FindMode(target, desktop_.fields)
                           : display::kNoMode;
  const bool canReturn = !prompt_ || desktop_.current != display::kNoMode;
  const bool changed =
      chosen != display::kNoMode && canReturn &&
      desktop_.ChangeToMode(chosen, os::ChangeFlags::Now) ==
          os::display_change::kSuccessful;
  const Outcome outcome =
      changed ? KeepChangedMode(chosen, desktop_.current,
                                prompt_ ? kKeepModeMessage : nullptr,
                                kPreviousMode)
              : Outcome::Failed;

  if (outcome == Outcome::Failed)
    AppMessageBox(services(), kCannotSetModeMessage);
  if (outcome == Outcome::Kept) {
    desktop_.current = chosen;
    keptDepthItem_ = chosenDepthItem;
    keptSizeItem_ = chosenSizeItem;
  } else {
    SelectKeptModeItems();
  }
  if (!Is95()) LoadRefreshNT();
}

// Asks whether the desktop stays in the mode it was changed to without
// storing it; without a question it stays. A mode that stays is stored as
// the platform's display setting; Cancel, typed or after the time-out,
// changes back to the previous mode without storing anything, so the stored
// setting stays the one from before. A mode the platform does not store is
// not kept either: the desktop goes back as after Cancel, and stores the
// previous mode again when the platform answered that the new one needs a
// restart of Windows, for it has stored that one for the next start.
CMyPage3::Outcome CMyPage3::KeepChangedMode(int changed, int previous,
                                            const char* question,
                                            const char* returning) {
  constexpr long kChanged = os::display_change::kSuccessful;
  if (question != nullptr &&
      AppQuestionWithTimeout(services(), question, returning) !=
          os::Answer::Ok)
    return desktop_.ChangeToMode(previous, os::ChangeFlags::Now) == kChanged
               ? Outcome::Returned
               : Outcome::Failed;
  const long stored = desktop_.ChangeToMode(changed, os::ChangeFlags::Store);
  if (stored == kChanged) return Outcome::Kept;
  desktop_.ChangeToMode(previous, stored == os::display_change::kRestart
                                      ? os::ChangeFlags::Store
                                      : os::ChangeFlags::Now);
  return Outcome::Failed;
}
