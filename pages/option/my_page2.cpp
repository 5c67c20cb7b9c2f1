#include "pages/option/my_page2.h"

#include "machine/cards.h"
#include "machine/not_stored.h"
#include "machine/os_family.h"
#include "machine/vendor_settings.h"
#include "pages/option/memory_size.h"
#include "res/controls.h"
#include "res/resource.h"
#include "store/flags.h"
#include "store/names.h"
#include "store/registry_key.h"
#include "store/value_group.h"
#include "ui/app_message.h"
#include "ui/restart_prompt.h"

namespace {

// "LDelay" is written only when its box is checked.
std::vector<GroupValue> LDelayValues(bool on) {
  if (!on) return {};
  return {GroupValue::Text(names::kLDelay, flags::Text(true))};
}

}  // namespace

CMyPage2::CMyPage2(os::Services& services)
    : SettingsPage(IDD_OPTION,
                   {IDC_OPTION_DEFAULT, IDC_OPTION_RESET, IDC_OPTION_APPLY},
                   services) {}

bool CMyPage2::OnInitDialog() {
  PropertyPage::OnInitDialog();
  family_ = OsFamily(services().system);
  cards_ = ListCards(services().registry, family_);
  return true;
}

void CMyPage2::Activate() {
  if (family_ == family::kWindows95) {
    Load95();
    CleanVendorSettings(services().registry, cards_);
  } else {
    LoadNT();
  }
}

void CMyPage2::ReadCommon() {
  CRegistryKey key(services().registry);
  if (key.OpenToRead(os::kMachine, names::kCommon) != os::error::kSuccess) return;
  key.QueryText(names::kApplyAll, applyAll_);
  key.QueryText(names::kSelectedDisplay, selected_);
}

// Without a selected card there is no driver key to read: the page shows
// Default and the switch off rather than what a key with an empty card part
// holds.
void CMyPage2::Load95() {
  ReadCommon();
  bool switchOn = false;
  // A missing key or value reads as the driver's default.
  storedSize_ = 0;
  if (!selected_.empty()) {
    const std::string driver = DriverKey(selected_);
    CRegistryKey key(services().registry);
    if (key.OpenToRead(os::kMachine, driver + names::kDefaultSubkey) ==
        os::error::kSuccess)
      key.QueryDword(names::kMemSize, storedSize_);
    key.Close();
    switchOn = flags::Read(services().registry, driver, flags::kLDelay);
  }
  ShowStoredSize();
  if (storedSize_ == 0) storedSize_ = memory_size::kDefault;
  chosenSize_ = storedSize_;
  controls().SetCheck(IDC_LDELAY, switchOn);
}

// The device key is the one detection recorded for the selected card; a card
// without a readable path shows Default and the switch off.
void CMyPage2::LoadNT() {
  ReadCommon();
  bool switchOn = false;
  const std::string device = selected_.empty()
                                 ? std::string()
                                 : DevicePath(services().registry, selected_);
  if (device.empty()) {
    storedSize_ = 0;
  } else {
    CRegistryKey key(services().registry);
    if (key.OpenToRead(os::kMachine, device) == os::error::kSuccess) {
      storedSize_ = 0;
      unsigned char bytes[memory_size::kNTValueSize] = {};
      std::uint32_t count = sizeof bytes;
      if (key.QueryRaw(names::kMemorySize, bytes, count) ==
              os::error::kSuccess &&
          count == sizeof bytes)
        storedSize_ = memory_size::FromNTValue(bytes);
    }
    key.Close();
    switchOn = flags::Read(services().registry, device, flags::kLDelay);
  }
  controls().Enable(IDC_MEMORY_SIZE_SPIN, false);
  ShowStoredSize();
  controls().SetCheck(IDC_LDELAY, switchOn);
}

int CMyPage2::OnDeltaPos(int id, int delta) {
  if (id != IDC_MEMORY_SIZE_SPIN) return 0;
  chosenSize_ = ui::StepValue(memory_size::kRange, chosenSize_, delta);
  ShowChosenSize();
  EnableApplyAndReset(true);
  return 0;
}

bool CMyPage2::OnPageCommand(int id, int notification) {
  if (id != IDC_LDELAY || notification != ui::kClicked) return false;
  EnableApplyAndReset(true);
  return true;
}

void CMyPage2::Default() {
  if (family_ == family::kWindows95) {
    chosenSize_ = memory_size::kDefault;
    ShowChosenSize();
  }
  controls().SetCheck(IDC_LDELAY, false);
}

void CMyPage2::Apply() {
  if (family_ != family::kWindows95) {
    ApplyNT();
    return;
  }
  if (Apply95() && AllStored())
    ui::AskRestart(services(), ui::RestartForm::Windows95);
}

// The driver takes a new memory size only on a desktop at most 1024 pixels
// wide; on a wider one every card keeps its "memSize" and the page says why.
bool CMyPage2::Apply95() {
  const bool switchOn = controls().IsChecked(IDC_LDELAY);
  const bool narrow =
      services().display.Screen().width <= memory_size::kWidestDesktop;
  os::Registry& registry = services().registry;
  for (const std::string& card :
       flags::TargetCards(cards_, applyAll_, selected_)) {
    const std::string driver = DriverKey(card);
    const std::string defaults = driver + names::kDefaultSubkey;
    if (narrow) {
      std::vector<GroupValue> size;
      if (chosenSize_ != memory_size::kDefault)
        size.push_back(GroupValue::Dword(names::kMemSize, chosenSize_));
      ReplaceGroup(registry, os::kMachine, defaults, {names::kMemSize}, size);
    }
    ReplaceGroup(registry, os::kMachine, driver, {names::kLDelay},
                 LDelayValues(switchOn));
  }

  if (chosenSize_ == storedSize_) return false;
  if (narrow) return true;
  AppMessageBox(services(), memory_size::kWideDesktopMessage);
  chosenSize_ = storedSize_;
  ShowChosenSize();
  return false;
}

// A card whose device path cannot be read is skipped: its switch has no key
// to go to.
void CMyPage2::ApplyNT() {
  const bool switchOn = controls().IsChecked(IDC_LDELAY);
  for (const std::string& card :
       flags::TargetCards(cards_, applyAll_, selected_)) {
    const std::string device = DevicePath(services().registry, card);
    if (device.empty()) continue;
    ReplaceGroup(services().registry, os::kMachine, device, {names::kLDelay},
                 LDelayValues(switchOn));
  }
}

void CMyPage2::ShowChosenSize() {
  controls().SetText(
      IDC_MEMORY_SIZE,
      ui::SteppedText(memory_size::kRange, static_cast<int>(chosenSize_)));
}

void CMyPage2::ShowStoredSize() {
  controls().SetText(IDC_MEMORY_SIZE, memory_size::StoredText(storedSize_));
}

std::string CMyPage2::NotStoredText(const std::vector<Refusal>& refused) {
  return settings::NotStoredMessage(services().registry, family_, kOptionSettings,
                                    refused);
}
