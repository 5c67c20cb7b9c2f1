#pragma once

#include <string>

#include "os/services.h"
#include "pages/configuration/my_page4.h"
#include "pages/display/my_page3.h"
#include "pages/information/my_page5.h"
#include "pages/option/my_page2.h"
#include "pages/performance/my_page1.h"
#include "ui/counted_shell.h"
#include "ui/sheet_handler.h"

// The main window: a modeless property sheet with the five pages, the tray
// icon and its menu. With the tray icon on, closing only hides the window;
// with it off, closing ends the program.
//
// While a message box of the program or the sheet's own Export, Import,
// Restore or profile command is open, the tray's and the menus' commands reach the sheet from
// that box's modal loop, under the handler that asked. They are held back
// then: "Unload" (and closing, which ends the program) waits and acts once
// the handler is done, with the question's own outcome; every other command
// and the tray menu are ignored.
class CTweakSheet : public ui::SheetHandler, private ui::QuestionsClosed {
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
  // The saved profiles, the one whose run is active, and its "Put back".
  ui::ProfileMenu Profiles() override;

  bool TrayOn() const;

 private:
  void Press(ui::SheetButton button);
  void Open();
  // Export, Import or Restore from a menu, with its file dialog and
  // messages.
  void Settings(int id);
  void RunSettings(int id);
  // "Save settings as profile...": asks for a name until it is one a file
  // can have, or the user cancels.
  void SaveProfile(const std::string& family,
                   const std::vector<managed::Card>& cards);
  bool Busy() const;
  // Ends the program now, or once nothing is held open.
  void Unload();
  void OnQuestionsClosed() override;

  ui::CountedShell shell_;
  // The services with the counted shell, for the pages and the commands.
  os::Services services_;
  CMyPage1 performance_;
  CMyPage2 option_;
  CMyPage3 display_;
  CMyPage4 configuration_;
  CMyPage5 information_;
  ui::SheetWindow* window_ = nullptr;
  std::string traySetting_;
  // The profiles as the menus last listed them, by their commands' order.
  std::vector<std::string> profiles_;
  bool pressing_ = false;
  bool settingsRunning_ = false;
  bool unloadWaiting_ = false;
};
