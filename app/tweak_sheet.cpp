#include "app/tweak_sheet.h"

#include "machine/cards.h"
#include "machine/os_family.h"
#include "machine/profile_file.h"
#include "machine/profile_run.h"
#include "machine/settings_command.h"
#include "res/resource.h"
#include "store/flags.h"
#include "store/names.h"
#include "store/single_value.h"
#include "ui/app_message.h"

namespace {

constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
constexpr unsigned kLeftDoubleClick = 0x0203;  // WM_LBUTTONDBLCLK
constexpr unsigned kRightButtonDown = 0x0204;  // WM_RBUTTONDOWN
constexpr int kProfileStep = 16;

// The place in the list of the profile a command applies, or -1.
int ProfilePlace(int id) {
  if (id < ID_PROFILE_FIRST || (id - ID_PROFILE_FIRST) % kProfileStep != 0 ||
      id >= ID_PROFILE_FIRST + KVT_PROFILE_ITEMS * kProfileStep)
    return -1;
  return (id - ID_PROFILE_FIRST) / kProfileStep;
}

// Raises a flag for the life of a scope.
class Raised {
 public:
  explicit Raised(bool& flag) : flag_(flag) { flag_ = true; }
  ~Raised() { flag_ = false; }
  Raised(const Raised&) = delete;
  Raised& operator=(const Raised&) = delete;

 private:
  bool& flag_;
};

}  // namespace

CTweakSheet::CTweakSheet(os::Services& services)
    : shell_(services.shell, *this),
      services_{services.registry, services.system, services.files, shell_,
                services.power, services.display},
      performance_(services_),
      option_(services_),
      display_(services_),
      configuration_(services_),
      information_(services_) {}

std::vector<ui::PropertyPage*> CTweakSheet::Pages() {
  return {&performance_, &option_, &display_, &configuration_, &information_};
}

void CTweakSheet::OnInitialize(ui::SheetWindow& window) {
  window_ = &window;
  ReadText(services_.registry, names::kCommon, names::kLoadTray, traySetting_);
  if (TrayOn()) window_->AddTrayIcon();
}

void CTweakSheet::OnClose() {
  if (!TrayOn())
    Unload();
  else if (!Busy())
    window_->Hide();
}

bool CTweakSheet::OnCommand(int id) {
  // Pressing a sheet button may come back here as its command: then the
  // property sheet's own handling runs.
  if (pressing_) return false;
  switch (id) {
    case ID_TRAY_UNLOAD:
      Unload();
      return true;
    case kIdOk:
    case kIdCancel:
    case ID_TRAY_OPEN:
    case ID_SETTINGS_EXPORT:
    case ID_SETTINGS_IMPORT:
    case ID_SETTINGS_RESTORE:
    case ID_PROFILE_SAVE:
    case ID_PROFILE_PUT_BACK:
      if (Busy()) return true;
      break;
    default:
      if (ProfilePlace(id) < 0) return false;
      if (!Busy()) Settings(id);
      return true;
  }
  switch (id) {
    case kIdOk:
      Press(ui::SheetButton::Ok);
      return true;
    case kIdCancel:
      Press(ui::SheetButton::Cancel);
      window_->Hide();
      return true;
    case ID_TRAY_OPEN:
      Open();
      return true;
    case ID_SETTINGS_EXPORT:
    case ID_SETTINGS_IMPORT:
    case ID_SETTINGS_RESTORE:
    case ID_PROFILE_SAVE:
    case ID_PROFILE_PUT_BACK:
      Settings(id);
      return true;
    default:
      return false;
  }
}

ui::ProfileMenu CTweakSheet::Profiles() {
  const std::string family = OsFamily(services_.system);
  ui::ProfileMenu menu;
  menu.names = profiles_ = profile::Names(
      services_, managed::ProfileValues(
                     family, RecordedCards(services_.registry, family)));
  if (profile::RunActive(services_)) menu.active = profile::SavedRun(services_);
  if (!menu.active.empty()) menu.putBack = profile::kPutBackItem + menu.active;
  return menu;
}

void CTweakSheet::OnTrayNotify(unsigned iconId, unsigned mouseMessage) {
  if (iconId != ui::kTrayIconId || Busy()) return;
  if (mouseMessage == kLeftDoubleClick)
    window_->PostCommand(ID_TRAY_OPEN);
  else if (mouseMessage == kRightButtonDown)
    window_->ShowTrayMenu();
}

void CTweakSheet::Press(ui::SheetButton button) {
  const Raised pressing(pressing_);
  window_->PressButton(button);
}

// Switching to the Information page and back makes the current page run its
// activation again, so that it shows what the registry holds now.
void CTweakSheet::Open() {
  const int current = window_->ActivePage();
  window_->SetActivePage(kInformationPage);
  window_->SetActivePage(current);
  window_->CenterAndRestore();
}

// The cards are those detection recorded at this start: under Wine the
// video device map no longer lists them once a window exists.
void CTweakSheet::Settings(int id) {
  {
    const Raised running(settingsRunning_);
    RunSettings(id);
  }
  OnQuestionsClosed();
}

void CTweakSheet::RunSettings(int id) {
  const std::string family = OsFamily(services_.system);
  const std::vector<managed::Card> cards =
      RecordedCards(services_.registry, family);
  std::string path;
  switch (id) {
    case ID_PROFILE_SAVE:
      SaveProfile(family, cards);
      return;
    case ID_PROFILE_PUT_BACK:
      profile::PutBackSaved(services_, family, cards, false);
      return;
    case ID_SETTINGS_EXPORT:
    case ID_SETTINGS_IMPORT: {
      const bool exporting = id == ID_SETTINGS_EXPORT;
      if (window_->ChooseFile(
              exporting ? ui::FileChoice::Save : ui::FileChoice::Open, path))
        settings::Run(services_, family, cards,
                      exporting ? settings::Command::Export
                                : settings::Command::Import,
                      path, false);
      return;
    }
    case ID_SETTINGS_RESTORE:
      settings::Run(services_, family, cards, settings::Command::Restore, path,
                    false);
      return;
    default:
      break;
  }
  const int place = ProfilePlace(id);
  if (place >= 0 && place < static_cast<int>(profiles_.size()))
    settings::Run(services_, family, cards, settings::Command::Profile,
                  profiles_[place], false);
}

void CTweakSheet::SaveProfile(const std::string& family,
                              const std::vector<managed::Card>& cards) {
  std::string name;
  while (window_->AskProfileName(name)) {
    const std::string problem = profile::NameProblem(name);
    if (problem.empty()) {
      settings::Run(services_, family, cards, settings::Command::SaveProfile,
                    name, false);
      return;
    }
    AppMessageBox(services_, problem);
  }
}

bool CTweakSheet::Busy() const { return shell_.Asking() || settingsRunning_; }

void CTweakSheet::Unload() {
  unloadWaiting_ = Busy();
  if (unloadWaiting_) return;
  if (TrayOn()) window_->RemoveTrayIcon();
  window_->Destroy();
}

// The handler that asked still runs: the waiting "Unload" comes back as a
// command once it is done and the window's own message loop runs again.
void CTweakSheet::OnQuestionsClosed() {
  if (unloadWaiting_ && !Busy()) window_->PostCommand(ID_TRAY_UNLOAD);
}

bool CTweakSheet::TrayOn() const {
  return flags::IsOn(flags::kLoadTray, traySetting_);
}
