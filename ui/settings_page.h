#pragma once

#include "ui/property_page.h"

namespace ui {

// The three buttons every settings page has, by control id.
struct PageButtons {
  int defaultButton;
  int reset;
  int apply;
};

// A page that edits settings. Each activation (and the Reset button, which
// runs it again) loads the controls from the registry; every edit enables
// Apply and Reset; Default fills the controls with the driver's defaults and
// stores nothing; Apply stores. Apply and Reset are disabled by each
// activation and after each Apply, whatever the Apply did.
class SettingsPage : public PropertyPage {
 public:
  SettingsPage(int dialogId, PageButtons buttons, os::Services& services);

  bool OnSetActive() final;
  bool OnCommand(int id, int notification) final;

 protected:
  // Loads the controls; the Apply and Reset buttons are the base's.
  virtual void Activate() = 0;
  // Fills the controls with the defaults; Apply and Reset are then enabled.
  virtual void Default() = 0;
  virtual void Apply() = 0;
  // A command from any other control; true when the page handled it.
  virtual bool OnPageCommand(int id, int notification) = 0;

  void EnableApplyAndReset(bool enabled);

 private:
  PageButtons buttons_;
};

}  // namespace ui
