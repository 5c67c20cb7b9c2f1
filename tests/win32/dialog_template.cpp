#include "win32/dialog_template.h"

#include <cstring>

namespace {

static_assert(sizeof(DLGTEMPLATE) == 18 && sizeof(DLGITEMTEMPLATE) == 18,
              "the records of a template are packed on WORDs");

constexpr WORD kOrdinal = 0xFFFF;

// A menu, class or title: an ordinal after 0xFFFF, or a string of WCHARs.
const WORD* SkipNameOrOrdinal(const WORD* at) {
  if (*at == kOrdinal) return at + 2;
  while (*at++ != 0) {
  }
  return at;
}

template <typename Record>
const WORD* Read(const WORD* at, Record& record) {
  std::memcpy(&record, at, sizeof record);
  return at + sizeof record / sizeof(WORD);
}

}  // namespace

std::vector<TemplateControl> ReadDialogTemplate(HINSTANCE instance,
                                                int dialogId) {
  const HRSRC found =
      FindResourceA(instance, MAKEINTRESOURCEA(dialogId), RT_DIALOG);
  if (found == nullptr) return {};
  const auto* start =
      static_cast<const BYTE*>(LockResource(LoadResource(instance, found)));
  if (start == nullptr) return {};

  DLGTEMPLATE dialog;
  const WORD* at = Read(reinterpret_cast<const WORD*>(start), dialog);
  // The extended form begins with version 1 and the signature 0xFFFF.
  if (HIWORD(dialog.style) == kOrdinal) return {};
  at = SkipNameOrOrdinal(at);  // menu
  at = SkipNameOrOrdinal(at);  // class
  at = SkipNameOrOrdinal(at);  // title
  if (dialog.style & DS_SETFONT) at = SkipNameOrOrdinal(at + 1);

  std::vector<TemplateControl> controls;
  for (WORD i = 0; i < dialog.cdit; ++i) {
    // Each control's record starts on a DWORD.
    if ((reinterpret_cast<const BYTE*>(at) - start) % 4 != 0) ++at;
    DLGITEMTEMPLATE item;
    at = Read(at, item);
    at = SkipNameOrOrdinal(at);  // class
    at = SkipNameOrOrdinal(at);  // title
    const WORD creationBytes = *at++;
    at = reinterpret_cast<const WORD*>(reinterpret_cast<const BYTE*>(at) +
                                       creationBytes);
    controls.push_back({item.id, {item.x, item.y, item.cx, item.cy}});
  }
  return controls;
}
