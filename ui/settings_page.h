#pragma once

#include <string>
#include <vector>

#include "store/write_watch.h"
#include "ui/property_page.h"

namespace ui {

// The three buttons every settings page has, by control id.
struct PageButtons {
  int defaultButton;
  int reset;
  int apply;
};

// The watch a settings page's services go through; a base of its own so
// that it exists before the page's PropertyPage is given those services.
struct WatchedServices {
  explicit WatchedServices(os::Services& services) : watch(services) {}
  WriteWatch watch;
};

// A page that edits settings. Each activation (and the Reset button, which
// runs it again) loads the controls from the registry; every edit enables
// Apply and Reset; Default fills the controls with the driver's defaults and
// stores nothing; Apply stores. Apply and Reset are disabled by each
// activation and after an Apply that stored everything. When Apply, or a
// command of the page's own that stores (the Display page's Set), could not
// store a value or file, the page says so in one message and Apply and Reset
// stay enabled, so that the user can try again.
class SettingsPage : private WatchedServices, public PropertyPage {
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
  // The message for what the running command could not store.
  virtual std::string NotStoredText(const std::vector<Refusal>& refused) = 0;
  // False once the running command failed to store anything: a restart is
  // then not asked for.
  bool AllStored() const { return watch.Refused().empty(); }

 private:
  // Shows NotStoredText when the command failed to store anything; true
  // then.
  bool ReportNotStored();

  PageButtons buttons_;
};

}  // namespace ui
