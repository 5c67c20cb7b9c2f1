#pragma once

#include <string>
#include <vector>

namespace ui {

// The id of the program's one tray icon.
inline constexpr unsigned kTrayIconId = 100;

// The property sheet's own buttons that the program presses. The sheet
// destroys all four of them (OK, Cancel, Help, Apply Now) when it is made,
// but Enter and Esc still reach the sheet as OK and Cancel.
enum class SheetButton { Ok, Cancel };

enum class FileChoice { Save, Open };

// What the "Profiles" submenu lists: the saved profiles by name, the one
// whose run is active marked, and while one is, the item that puts back
// the settings from before it.
struct ProfileMenu {
  std::vector<std::string> names;
  std::string active;
  std::string putBack;
};

// The main window as the sheet's logic sees it.
class SheetWindow {
 public:
  virtual ~SheetWindow() = default;

  virtual void Hide() = 0;
  // Destroys the window, which ends the program.
  virtual void Destroy() = 0;
  // The tray icon: icon id kTrayIconId, the registered callback message, the
  // sheet's icon and the tip "Kvartune".
  virtual void AddTrayIcon() = 0;
  virtual void RemoveTrayIcon() = 0;
  virtual void PostCommand(int id) = 0;
  // The tray menu at the cursor; the chosen item arrives as a command.
  virtual void ShowTrayMenu() = 0;
  virtual int ActivePage() = 0;
  virtual void SetActivePage(int index) = 0;
  // Centres the window on the desktop at the top of the z-order, restores
  // it and brings it to the foreground.
  virtual void CenterAndRestore() = 0;
  // Presses one of the property sheet's own buttons.
  virtual void PressButton(SheetButton button) = 0;
  // The standard dialog that names a registry file to save or to open;
  // false when the user cancelled it.
  virtual bool ChooseFile(FileChoice choice, std::string& path) = 0;
  // The program's dialog that asks for a profile's name, showing `name`
  // first; false when the user cancelled it.
  virtual bool AskProfileName(std::string& name) = 0;
};

}  // namespace ui
