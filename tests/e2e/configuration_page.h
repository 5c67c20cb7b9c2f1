#pragma once

#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

#include "main_window.h"

// The Configuration page as the user sees it, and the choices its Apply
// stores.
namespace e2e {

// A check box: checked or not, and whether the user can click it.
struct Box {
  bool checked;
  bool enabled;
};
inline constexpr Box kChecked{true, true};
inline constexpr Box kUnchecked{false, true};
inline constexpr Box kDisabledUnchecked{false, false};

// The read-only edits, as the page shows them.
struct Versions {
  std::string revision, driver, glide2, glide3, directX;
};

struct Boxes {
  Box applyToAll, tray, startMinimized, loadAtStartup, overrideVendor;
};

// Everything the page shows that the user's choices and the registry decide.
struct ConfigurationView {
  std::vector<std::string> cards;  // the combo's entries
  int selected;                    // the combo's current entry
  Versions versions;
  Boxes boxes;
  bool applyEnabled = false, resetEnabled = false;
};
bool operator==(const ConfigurationView& left, const ConfigurationView& right);
std::ostream& operator<<(std::ostream& out, const ConfigurationView& view);

ConfigurationView ReadConfigurationPage(HWND page);

using ConfigurationRun = PageRun<Page::Configuration>;

// Makes an entry of the card combo current (-1: none) and sends the page
// the selection change, as choosing from the list does; the page has handled
// it when this returns.
void SelectCard(HWND page, int index);
// The same, with the selection change posted: for one that makes the page
// ask the user.
bool PostCardSelection(HWND page, int index);

// What Apply stores in "common", each "1" or "0" but the card.
struct StoredChoices {
  std::string selectedCard, applyToAll, tray, startMinimized, loadAtStartup;
};
// Checks every value of "common", by name, type and bytes, and the Run
// entry, which holds the program's path exactly when it loads at startup.
void ExpectStoredChoices(const StoredChoices& choices);

}  // namespace e2e
