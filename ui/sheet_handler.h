#pragma once

#include <vector>

#include "ui/property_page.h"
#include "ui/sheet_window.h"

namespace ui {

// What the main window's messages are handed to.
class SheetHandler {
 public:
  virtual ~SheetHandler() = default;

  // The pages in tab order.
  virtual std::vector<PropertyPage*> Pages() = 0;
  virtual void OnInitialize(SheetWindow& window) = 0;
  // Close from the system menu or the title bar.
  virtual void OnClose() = 0;
  // A command with notification code 0; true when handled.
  virtual bool OnCommand(int id) = 0;
  // The tray callback: the icon id and the mouse message.
  virtual void OnTrayNotify(unsigned iconId, unsigned mouseMessage) = 0;
  // The "Profiles" submenu, each time a menu shows it.
  virtual ProfileMenu Profiles() = 0;
};

// Creates the main window for a sheet: a modeless top-level property sheet,
// shown or hidden.
class SheetHost {
 public:
  virtual ~SheetHost() = default;
  virtual bool Create(SheetHandler& sheet, bool visible) = 0;
};

}  // namespace ui
