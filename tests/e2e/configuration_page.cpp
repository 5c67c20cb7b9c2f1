#include "configuration_page.h"

#include <gtest/gtest.h>

#include "e2e_paths.h"
#include "registry_check.h"
#include "res/controls.h"
#include "scenario.h"
#include "window_control.h"

namespace e2e {
namespace {

Box ReadBox(HWND page, int id) {
  return {IsChecked(page, id), IsEnabled(page, id)};
}

std::ostream& operator<<(std::ostream& out, const Box& box) {
  return out << (box.checked ? "[x]" : "[ ]")
             << (box.enabled ? "" : " disabled");
}

bool ShowSelection(HWND page, int index) {
  const HWND combo = GetDlgItem(page, IDC_CARD_COMBO);
  Ask(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  return combo != nullptr;
}

WPARAM SelectionChange() { return MAKEWPARAM(IDC_CARD_COMBO, CBN_SELCHANGE); }

}  // namespace

// The printout names every field, so two views are equal when they print
// alike.
bool operator==(const ConfigurationView& left, const ConfigurationView& right) {
  return testing::PrintToString(left) == testing::PrintToString(right);
}

std::ostream& operator<<(std::ostream& out, const ConfigurationView& view) {
  const Versions& v = view.versions;
  const Boxes& b = view.boxes;
  out << "\n  cards:";
  for (const std::string& card : view.cards) out << " \"" << card << "\"";
  return out << ", entry " << view.selected << "\n  revision \"" << v.revision
             << "\", driver \"" << v.driver << "\", Glide2 \"" << v.glide2
             << "\", Glide3 \"" << v.glide3 << "\", DirectX \"" << v.directX
             << "\"\n  apply to all " << b.applyToAll << ", tray " << b.tray
             << ", start minimized " << b.startMinimized
             << ", load at startup " << b.loadAtStartup << ", override "
             << b.overrideVendor << "\n  Apply "
             << (view.applyEnabled ? "enabled" : "disabled") << ", Reset "
             << (view.resetEnabled ? "enabled" : "disabled") << "\n";
}

ConfigurationView ReadConfigurationPage(HWND page) {
  const HWND combo = GetDlgItem(page, IDC_CARD_COMBO);
  return {ComboEntries(combo),
          static_cast<int>(Ask(combo, CB_GETCURSEL, 0, 0)),
          {ControlText(page, IDC_HW_REVISION),
           ControlText(page, IDC_DRIVER_VERSION),
           ControlText(page, IDC_GLIDE2_VERSION),
           ControlText(page, IDC_GLIDE3_VERSION),
           ControlText(page, IDC_DIRECTX_VERSION)},
          {ReadBox(page, IDC_APPLY_ALL), ReadBox(page, IDC_LOAD_TRAY),
           ReadBox(page, IDC_START_MINIMIZED),
           ReadBox(page, IDC_LOAD_AT_STARTUP),
           ReadBox(page, IDC_OVERRIDE_VENDOR)},
          IsEnabled(page, IDC_CONFIG_APPLY),
          IsEnabled(page, IDC_CONFIG_RESET)};
}

void SelectCard(HWND page, int index) {
  if (ShowSelection(page, index))
    Ask(page, WM_COMMAND, SelectionChange(),
        reinterpret_cast<LPARAM>(GetDlgItem(page, IDC_CARD_COMBO)));
}

bool PostCardSelection(HWND page, int index) {
  return ShowSelection(page, index) &&
         PostMessageA(page, WM_COMMAND, SelectionChange(),
                      reinterpret_cast<LPARAM>(
                          GetDlgItem(page, IDC_CARD_COMBO)));
}

void ExpectStoredChoices(const StoredChoices& choices) {
  EXPECT_TRUE(HasText(kCommon, "selecteddisplay", choices.selectedCard));
  EXPECT_TRUE(HasText(kCommon, "applyall", choices.applyToAll));
  EXPECT_TRUE(HasText(kCommon, "loadtray", choices.tray));
  EXPECT_TRUE(HasText(kCommon, "startmin", choices.startMinimized));
  EXPECT_TRUE(HasText(kCommon, "loadstartup", choices.loadAtStartup));
  EXPECT_EQ((Names{"displaynumber", "selecteddisplay", "version",
                   "glide2version", "glide3version", "directxversion",
                   "applyall", "loadtray", "startmin", "loadstartup"}),
            ValueNames(kCommon));
  if (choices.loadAtStartup == "1")
    EXPECT_TRUE(HasText(kRun, "xkvartune", ProgramPath()));
  else
    EXPECT_TRUE(HasNoValue(kRun, "xkvartune"));
}

}  // namespace e2e
