#pragma once

#include <string>

#include "os/services.h"
#include "pages/configuration/my_page4.h"
#include "pages/display/my_page3.h"
#include "pages/information/my_page5.h"
#include "pages/option/my_page2.h"
#include "pages/performance/my_page1.h"
#include "ui/sheet_handler.h"

// The main window: a modeless property sheet with the five pages, the tray
// icon and its menu. With the tray icon on, closing only hides the window;
// with it off, closing ends the program.
class CTweakSheet : public ui::SheetHandler {
 public:
  static constexpr int kInformationPage = 4;

  explicit CTweakSheet(os::Services& services);

  // Performance, Option, Display, Configuration, Information.
  std::vector<ui::PropertyPage*> Pages() override;
  // Reads "loadtray" and adds the tray icon when it is on.
  void OnInitialize(ui::SheetWindow& window) override;
  void OnClose() override;
  bool OnCommand(int id) override;
  void OnTrayNotify(unsigned iconId, unsigned mouseMessage) override;

  bool TrayOn() const;

 private:
  void Open();
  // Export, Import or Restore from a menu.
  void Settings(int id);

  os::Services& services_;
  CMyPage1 performance_;
  CMyPage2 option_;
  CMyPage3 display_;
  CMyPage4 configuration_;
  CMyPage5 information_;
  ui::SheetWindow* window_ = nullptr;
  std::string traySetting_;
  bool pressing_ = false;
};
