#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <map>
#include <set>
#include <stdexcept>
#include <string>

#include "dialogs/expected_controls.h"
#include "ui/win32/common_controls.h"
#include "ui/win32/tip_texts.h"
#include "win32/dialog_template.h"

// The tables of the pages' controls, which the unit tests declare their
// fake dialogs from, against the dialogs the program's resources make and
// the tooltips it holds.
namespace {

using expected::Kind;

constexpr const char* kSides[] = {"left", "top", "width", "height"};

constexpr DWORD kComboType = CBS_SIMPLE | CBS_DROPDOWN | CBS_DROPDOWNLIST;
constexpr DWORD kUpDownStyle = UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS;

// The style bits under `mask` that a control of the kind has.
struct KindStyle {
  Kind kind;
  DWORD mask;
  DWORD bits;
};

constexpr KindStyle kKindStyles[] = {
    {Kind::Static, SS_TYPEMASK, SS_LEFT},
    {Kind::PushButton, BS_TYPEMASK, BS_PUSHBUTTON},
    {Kind::CheckBox, BS_TYPEMASK, BS_AUTOCHECKBOX},
    {Kind::ReadOnlyEdit, ES_READONLY, ES_READONLY},
    {Kind::UpDown, kUpDownStyle | UDS_SETBUDDYINT, kUpDownStyle},
    {Kind::DropDown, kComboType | CBS_SORT, CBS_DROPDOWN},
    {Kind::SortedDropDown, kComboType | CBS_SORT, CBS_DROPDOWN | CBS_SORT},
};

const KindStyle& StyleOf(Kind kind) {
  for (const KindStyle& style : kKindStyles) {
    if (style.kind == kind) return style;
  }
  throw std::logic_error("a kind without its style");
}

std::string ClassName(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

// A page's dialog made from the program's resources, hidden, on a hidden
// window of its own.
class PageDialog {
 public:
  explicit PageDialog(int dialogId) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    parent_ = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 640, 480,
                              nullptr, nullptr, instance, nullptr);
    window_ = CreateDialogParamA(instance, MAKEINTRESOURCEA(dialogId), parent_,
                                 NoDialogProcedure, 0);
  }
  ~PageDialog() { DestroyWindow(parent_); }
  PageDialog(const PageDialog&) = delete;
  PageDialog& operator=(const PageDialog&) = delete;

  HWND window() const { return window_; }

  // The pixels the dialog gives a rectangle in dialog units: each of left,
  // top, width and height mapped on its own, as for its controls.
  Box Pixels(const Box& units) const {
    RECT rect = {units[0], units[1], units[2], units[3]};
    MapDialogRect(window_, &rect);
    return {rect.left, rect.top, rect.right, rect.bottom};
  }

  // Where a control stands in the dialog's client area, in pixels.
  Box Placement(HWND control) const {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left,
            rect.bottom - rect.top};
  }

  // The up-downs and their buddies, which leave the template's places.
  std::set<HWND> Aligned() const {
    std::set<HWND> aligned;
    for (HWND child = GetWindow(window_, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
      if (ClassName(child) != UPDOWN_CLASSA) continue;
      aligned.insert(child);
      aligned.insert(
          reinterpret_cast<HWND>(SendMessageA(child, UDM_GETBUDDY, 0, 0)));
    }
    return aligned;
  }

 private:
  HWND parent_ = nullptr;
  HWND window_ = nullptr;
};

TEST(DialogTables, HoldEveryControlOfTheTemplatesAsTheDialogsMakeThem) {
  ui::CommonControls commonControls;
  ASSERT_TRUE(commonControls.Load());
  for (int dialogId = 1000; dialogId <= 1004; ++dialogId) {
    SCOPED_TRACE("dialog " + std::to_string(dialogId));
    std::map<int, Box> unlisted;
    for (const TemplateControl& control :
         ReadDialogTemplate(GetModuleHandleA(nullptr), dialogId)) {
      if (control.id != kNoId) unlisted[control.id] = control.units;
    }
    ASSERT_FALSE(unlisted.empty());
    const PageDialog dialog(dialogId);
    ASSERT_NE(nullptr, dialog.window());
    const std::set<HWND> aligned = dialog.Aligned();

    for (const expected::Control& wanted : expected::Controls()) {
      if (wanted.dialog != dialogId) continue;
      SCOPED_TRACE("control " + std::to_string(wanted.id));
      const Box units = {wanted.left, wanted.top, wanted.width, wanted.height};
      const auto found = unlisted.find(wanted.id);
      if (found == unlisted.end()) {
        ADD_FAILURE() << "is not in the template";
        continue;
      }
      EXPECT_EQ(units, found->second);
      unlisted.erase(found);

      EXPECT_NE(nullptr, ui::TipText(wanted.id)) << "has no tooltip";

      const HWND control = GetDlgItem(dialog.window(), wanted.id);
      ASSERT_NE(nullptr, control);
      EXPECT_EQ(wanted.className, ClassName(control));
      const KindStyle& style = StyleOf(wanted.kind);
      EXPECT_EQ(
          style.bits,
          static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE)) & style.mask);
      EXPECT_EQ(wanted.enabled, IsWindowEnabled(control) != FALSE);
      if (aligned.count(control) != 0) continue;
      // A combo box's window is only as high as its edit field: the
      // template's height includes the dropped list.
      const std::size_t sides =
          wanted.className == std::string("ComboBox") ? 3 : 4;
      const Box pixels = dialog.Pixels(units);
      const Box placed = dialog.Placement(control);
      for (std::size_t side = 0; side < sides; ++side) {
        EXPECT_EQ(pixels[side], placed[side]) << kSides[side];
      }
    }
    for (const auto& control : unlisted) {
      ADD_FAILURE() << "control " << control.first
                    << " of the template is not listed";
    }
  }
}

}  // namespace
