#pragma once

#include <windows.h>
#include <prsht.h>

namespace ui {

// The property sheet functions of comctl32, loaded when the main window is
// made rather than imported. Loading comctl32 initialises the window system
// (its controls register their classes and read the system colours), and
// under Wine that first touch rebuilds HARDWARE\DEVICEMAP\VIDEO; card
// detection reads that key first, so the program touches nothing of the
// window system before detection is done.
class CommonControls {
 public:
  // Loads comctl32 and runs InitCommonControls; false when it is missing.
  bool Load();
  HPROPSHEETPAGE CreatePage(const PROPSHEETPAGEA& page) const;
  INT_PTR PropertySheet(const PROPSHEETHEADERA& header) const;

 private:
  using CreatePageFunction = HPROPSHEETPAGE(WINAPI*)(LPCPROPSHEETPAGEA);
  using PropertySheetFunction = INT_PTR(WINAPI*)(LPCPROPSHEETHEADERA);

  CreatePageFunction createPage_ = nullptr;
  PropertySheetFunction propertySheet_ = nullptr;
};

}  // namespace ui
