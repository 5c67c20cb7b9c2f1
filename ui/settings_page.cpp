#include "ui/settings_page.h"

#include "ui/app_message.h"

namespace ui {

SettingsPage::SettingsPage(int dialogId, PageButtons buttons,
                           os::Services& services)
    : WatchedServices(services),
      PropertyPage(dialogId, watch.services()),
      buttons_(buttons) {}

bool SettingsPage::OnSetActive() {
  Activate();
  EnableApplyAndReset(false);
  return PropertyPage::OnSetActive();
}

bool SettingsPage::OnCommand(int id, int notification) {
  if (notification == kClicked) {
    if (id == buttons_.defaultButton) {
      Default();
      EnableApplyAndReset(true);
      return true;
    }
    if (id == buttons_.reset) {
      OnReset();
      return true;
    }
    if (id == buttons_.apply) {
      watch.Clear();
      Apply();
      EnableApplyAndReset(ReportNotStored());
      return true;
    }
  }
  watch.Clear();
  const bool handled = OnPageCommand(id, notification);
  ReportNotStored();
  return handled;
}

bool SettingsPage::ReportNotStored() {
  if (AllStored()) return false;
  const std::string text = NotStoredText(watch.Refused());
  watch.Clear();
  AppMessageBox(services(), text);
  return true;
}

void SettingsPage::EnableApplyAndReset(bool enabled) {
  controls().Enable(buttons_.apply, enabled);
  controls().Enable(buttons_.reset, enabled);
}

}  // namespace ui
