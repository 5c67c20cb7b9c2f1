#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ui/controls.h"

namespace fakes {

enum class ControlKind {
  CheckBox,
  Edit,
  Static,
  PushButton,
  DropDown,      // combo box with an edit field (CBS_DROPDOWN)
  DropDownList,  // combo box without one (CBS_DROPDOWNLIST)
  UpDown,
};

// How a declared control differs from an enabled, unsorted one.
inline constexpr unsigned kSorted = 1;    // a combo with CBS_SORT
inline constexpr unsigned kDisabled = 2;  // WS_DISABLED

// An in-memory dialog that behaves like the real controls do under Wine.
// The test declares every control first; any use of an id it did not
// declare, or a use the control's kind has no meaning for, throws
// std::logic_error.
class FakeControls : public ui::Controls {
 public:
  void Declare(int id, ControlKind kind, unsigned style = 0);

  // The control with the keyboard focus, if any.
  std::optional<int> Focused() const { return focus_; }
  // The bitmap last put on a push button, if any.
  std::optional<int> ButtonBitmap(int id);

  bool IsChecked(int id) override;
  void SetCheck(int id, bool checked) override;
  bool IsEnabled(int id) override;
  void Enable(int id, bool enabled) override;
  std::string Text(int id) override;
  void SetText(int id, const std::string& text) override;
  bool WholeNumber(int id, bool isSigned, long long& value) override;
  void Focus(int id) override;
  void SetButtonBitmap(int id, int bitmapId) override;

  int AddItem(int id, const std::string& text) override;
  void ClearItems(int id) override;
  int ItemCount(int id) override;
  std::string ItemText(int id, int index) override;
  int CurrentIndex(int id) override;
  void SetCurrentIndex(int id, int index) override;
  int FindPrefix(int id, const std::string& prefix, int after) override;
  int FindExact(int id, const std::string& text, int after) override;

 private:
  struct Control {
    ControlKind kind = ControlKind::Static;
    bool sorted = false;
    bool enabled = true;
    bool checked = false;
    std::string text;  // for a drop-down, its edit field
    std::optional<int> bitmap;
    std::vector<std::string> items;
    int current = kNone;
  };

  Control& Get(int id);
  Control& Kind(int id, ControlKind kind);
  Control& Combo(int id);
  int Find(int id, const std::string& text, int after, bool exact);

  std::map<int, Control> controls_;
  std::optional<int> focus_;
};

}  // namespace fakes
