#pragma once

#include <string>
#include <vector>

#include "ui/sheet_handler.h"

namespace fakes {

// The main window without a window: Create initialises the sheet as the
// real window does, and every request is recorded.
class FakeSheet : public ui::SheetHost, public ui::SheetWindow {
 public:
  bool Create(ui::SheetHandler& sheet, bool isVisible) override {
    created = true;
    visible = isVisible;
    handler = &sheet;
    sheet.OnInitialize(*this);
    return createResult;
  }

  void Hide() override {
    visible = false;
    calls.push_back("hide");
  }
  void Destroy() override {
    destroyed = true;
    calls.push_back("destroy");
  }
  void AddTrayIcon() override {
    trayIcon = true;
    calls.push_back("add tray icon");
  }
  void RemoveTrayIcon() override {
    trayIcon = false;
    calls.push_back("remove tray icon");
  }
  void PostCommand(int id) override { posted.push_back(id); }
  void ShowTrayMenu() override { calls.push_back("tray menu"); }
  int ActivePage() override { return activePage; }
  void SetActivePage(int index) override {
    activePage = index;
    calls.push_back("page " + std::to_string(index));
  }
  void CenterAndRestore() override {
    visible = true;
    calls.push_back("center and restore");
  }
  // comctl32 may hand a pressed button back to the sheet as its command;
  // the fake does so once for each press.
  void PressButton(ui::SheetButton button) override {
    pressed.push_back(button);
    if (echoing || handler == nullptr) return;
    echoing = true;
    echoHandled.push_back(
        handler->OnCommand(button == ui::SheetButton::Ok ? kOk : kCancel));
    echoing = false;
  }

  bool ChooseFile(ui::FileChoice choice, std::string& path) override {
    calls.push_back(choice == ui::FileChoice::Save ? "save dialog"
                                                   : "open dialog");
    path = chosenFile;
    return !chosenFile.empty();
  }

  bool AskProfileName(std::string& name) override {
    calls.push_back("profile name dialog");
    if (profileNames.empty()) return false;
    name = profileNames.front();
    profileNames.erase(profileNames.begin());
    return true;
  }

  static constexpr int kOk = 1;      // IDOK
  static constexpr int kCancel = 2;  // IDCANCEL

  bool createResult = true;
  bool created = false;
  bool visible = false;
  bool destroyed = false;
  bool trayIcon = false;
  int activePage = 0;
  // What the file dialogs answer; empty: the user cancels.
  std::string chosenFile;
  // What the profile name dialog answers, one at a time; none: Cancel.
  std::vector<std::string> profileNames;
  ui::SheetHandler* handler = nullptr;
  std::vector<std::string> calls;
  std::vector<int> posted;
  std::vector<ui::SheetButton> pressed;
  // What the sheet answered to each echoed command.
  std::vector<bool> echoHandled;
  bool echoing = false;
};

}  // namespace fakes
