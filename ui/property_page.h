#pragma once

#include "os/services.h"
#include "ui/controls.h"
#include "ui/data_exchange.h"

namespace ui {

// The base of the sheet's pages. The window side binds the page's controls
// when its dialog is created and calls these hooks from the dialog's
// messages: dialog initialisation, page activation, commands (control
// notifications) and up-down steps.
class PropertyPage {
 public:
  PropertyPage(int dialogId, os::Services& services);
  virtual ~PropertyPage() = default;
  PropertyPage(const PropertyPage&) = delete;
  PropertyPage& operator=(const PropertyPage&) = delete;

  int DialogId() const { return dialogId_; }
  void Bind(Controls& controls) { controls_ = &controls; }

  // Loads the members into the edits. True lets the dialog set the focus.
  virtual bool OnInitDialog();
  // Reloads the members into the edits, from the second activation on.
  virtual bool OnSetActive();
  // A control notification; true when the page handled it.
  virtual bool OnCommand(int id, int notification);
  // An up-down control is about to move by `delta`; the result is 0 to let
  // it move.
  virtual int OnDeltaPos(int id, int delta);
  virtual void DoDataExchange(DataExchange& exchange);

  // Runs the data exchange: save moves the edits into the members. False
  // when an edit held no number.
  bool UpdateData(bool save);

 protected:
  // The Reset button of every page: the page's activation, run again.
  void OnReset() { OnSetActive(); }

  Controls& controls() { return *controls_; }
  os::Services& services() { return services_; }

 private:
  int dialogId_;
  os::Services& services_;
  Controls* controls_ = nullptr;
  bool firstActivation_ = true;
};

// Button notification codes the pages handle.
inline constexpr int kClicked = 0;         // BN_CLICKED
inline constexpr int kSelectionChange = 1;  // CBN_SELCHANGE

}  // namespace ui
