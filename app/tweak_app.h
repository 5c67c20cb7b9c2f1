#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/tweak_sheet.h"
#include "machine/managed_set.h"
#include "os/services.h"
#include "ui/sheet_handler.h"

// Start-up: a single copy, the Windows family, the cards, then the main
// window.
class CTweakApp {
 public:
  CTweakApp(os::Services& services, ui::SheetHost& host);
  virtual ~CTweakApp() = default;

  // True when the main window was created and the message loop is to run.
  bool StartUp();
  // A command of the command line, without the main window and whether or
  // not another copy runs: 0 when done, 1 otherwise.
  int RunCommand(const std::string& commandTail);

  const std::string& Family() const { return family_; }
  // The main window's sheet, once start-up created it.
  CTweakSheet* MainWindow() const { return mainWindow_.get(); }

 private:
  os::Services& services_;
  ui::SheetHost& host_;
  // Before the first change on this PC: the cards as the drivers' keys show
  // them, and the restore point when there is none yet. False when a read
  // failed, so that a card may be missing; the restore point then waits.
  bool FirstRead(std::vector<managed::Card>& cards);

  std::unique_ptr<CTweakSheet> mainWindow_;
  std::string family_;
};
