#pragma once

#include <windows.h>

#include <vector>

#include "ui/controls.h"

namespace ui {

// The controls of a real dialog, through the ANSI functions that Windows 95
// and NT 4.0 have. It keeps the bitmaps it puts on buttons until it goes,
// so it must outlive the dialog's controls.
class DialogControls : public Controls {
 public:
  explicit DialogControls(HWND dialog) : dialog_(dialog) {}
  ~DialogControls() override;
  DialogControls(const DialogControls&) = delete;
  DialogControls& operator=(const DialogControls&) = delete;

  HWND dialog() const { return dialog_; }

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
  LRESULT Send(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  int Find(int id, UINT message, const std::string& text, int after);

  HWND dialog_;
  std::vector<HBITMAP> bitmaps_;
};

}  // namespace ui
