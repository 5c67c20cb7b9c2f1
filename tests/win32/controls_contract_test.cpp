#include <windows.h>

#include <vector>

#include "contract/controls_contract.h"
#include "ui/win32/dialog_controls.h"
#include "win32/dialog_template.h"

namespace {

constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kComboClass = 0x0085;

template <typename Record>
void Append(std::vector<WORD>& words, const Record& record) {
  const auto* begin = reinterpret_cast<const WORD*>(&record);
  words.insert(words.end(), begin, begin + sizeof record / sizeof(WORD));
}

// One control of the template: its record on a DWORD boundary, then its
// class by atom, an empty caption and no creation data.
void AppendControl(std::vector<WORD>& words, int id, WORD windowClass,
                   DWORD style, short top, short height) {
  if (words.size() % 2 != 0) words.push_back(0);
  const DLGITEMTEMPLATE item = {style | WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0,
                                5, top, 100, height, static_cast<WORD>(id)};
  Append(words, item);
  words.insert(words.end(), {0xFFFF, windowClass, 0, 0});
}

// The contract's dialog, hidden, built in memory.
std::vector<WORD> ContractTemplate() {
  std::vector<WORD> words;
  const DLGTEMPLATE dialog = {WS_POPUP, 0, 5, 0, 0, 120, 160};
  Append(words, dialog);
  words.insert(words.end(), {0, 0, 0});  // no menu, default class, no title
  AppendControl(words, kCheckId, kButtonClass, BS_AUTOCHECKBOX, 5, 10);
  AppendControl(words, kEditId, kEditClass, ES_AUTOHSCROLL | WS_BORDER, 20,
                12);
  AppendControl(words, kListId, kComboClass,
                CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL, 40, 80);
  AppendControl(words, kDropDownId, kComboClass,
                CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL, 60, 80);
  AppendControl(words, kButtonId, kButtonClass, BS_PUSHBUTTON | BS_BITMAP,
                80, 20);
  return words;
}

HWND CreateContractDialog() {
  const std::vector<WORD> words = ContractTemplate();
  return CreateDialogIndirectParamA(
      GetModuleHandleA(nullptr),
      reinterpret_cast<const DLGTEMPLATE*>(words.data()), nullptr,
      NoDialogProcedure, 0);
}

// The real controls, on a dialog of their own that goes with them.
class ContractDialog : public ui::DialogControls {
 public:
  ContractDialog() : DialogControls(CreateContractDialog()) {}
  ~ContractDialog() override { DestroyWindow(dialog()); }
};

// The focus of a drop-down combo is in its edit field, a window of its own:
// the control is the dialog's child that holds the focused window.
std::optional<int> FocusedControl(ui::Controls& controls) {
  const HWND dialog = static_cast<ContractDialog&>(controls).dialog();
  HWND window = GetFocus();
  while (window != nullptr && GetParent(window) != dialog) {
    window = GetParent(window);
  }
  if (window == nullptr) return std::nullopt;
  return GetDlgCtrlID(window);
}

INSTANTIATE_TEST_SUITE_P(
    Wine, ControlsContract,
    ::testing::Values(ControlsUnderTest{
                          "Wine",
                          [] { return std::make_unique<ContractDialog>(); },
                          FocusedControl}),
    ControlsName);

TEST(DialogControls, ABitmapTheProgramLacksLeavesTheButtonAlone) {
  ContractDialog dialog;
  dialog.SetButtonBitmap(kButtonId, 4711);
  EXPECT_EQ(0, SendDlgItemMessageA(dialog.dialog(), kButtonId, BM_GETIMAGE,
                                   IMAGE_BITMAP, 0));
}

}  // namespace
