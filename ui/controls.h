#pragma once

#include <string>

namespace ui {

// The controls of one dialog, by id. Every page reads and sets its controls
// through this seam only.
class Controls {
 public:
  virtual ~Controls() = default;

  // Check boxes: checked only when the control reports BST_CHECKED.
  virtual bool IsChecked(int id) = 0;
  virtual void SetCheck(int id, bool checked) = 0;

  virtual bool IsEnabled(int id) = 0;
  virtual void Enable(int id, bool enabled) = 0;

  virtual std::string Text(int id) = 0;
  virtual void SetText(int id, const std::string& text) = 0;
  // The text as GetDlgItemInt reads it; false when it holds no number, and
  // then `value` is left alone. An unsigned read gives 0 to 4294967295, which
  // a 32-bit long cannot hold, hence long long.
  virtual bool WholeNumber(int id, bool isSigned, long long& value) = 0;
  // Moves the keyboard focus to the control.
  virtual void Focus(int id) = 0;
  // Shows a bitmap of the program's resources on a push button
  // (BM_SETIMAGE); a bitmap that cannot be loaded leaves the button as it is.
  virtual void SetButtonBitmap(int id, int bitmapId) = 0;

  // Combo boxes. Indexes count from 0; kNone is no entry.
  static constexpr int kNone = -1;
  // Adds an entry (a sorted combo places it in order); returns its index.
  virtual int AddItem(int id, const std::string& text) = 0;
  virtual void ClearItems(int id) = 0;
  virtual int ItemCount(int id) = 0;
  virtual std::string ItemText(int id, int index) = 0;
  virtual int CurrentIndex(int id) = 0;
  // kNone clears the selection.
  virtual void SetCurrentIndex(int id, int index) = 0;
  // The first entry after `after` (kNone: from the start) whose text begins
  // with `prefix`, or equals `text` for the exact search, without regard to
  // case; kNone when there is none.
  virtual int FindPrefix(int id, const std::string& prefix, int after) = 0;
  virtual int FindExact(int id, const std::string& text, int after) = 0;
};

}  // namespace ui
