#include "ui/settings_page.h"

namespace ui {

SettingsPage::SettingsPage(int dialogId, PageButtons buttons,
                           os::Services& services)
    : PropertyPage(dialogId, services), buttons_(buttons) {}

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
      Apply();
      EnableApplyAndReset(false);
      return true;
    }
  }
  return OnPageCommand(id, notification);
}

void SettingsPage::EnableApplyAndReset(bool enabled) {
  controls().Enable(buttons_.apply, enabled);
  controls().Enable(buttons_.reset, enabled);
}

}  // namespace ui
