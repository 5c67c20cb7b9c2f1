#include "ui/win32/file_dialog.h"

#include <commdlg.h>

#include "os/win32/system_function.h"

namespace ui {
namespace {

// Pairs of description and pattern, ending in two zeros.
constexpr char kFilter[] =
    "Registry files (*.reg)\0*.reg\0All files (*.*)\0*.*\0";
constexpr char kExtension[] = "reg";

}  // namespace

bool ChooseRegistryFile(HWND owner, FileChoice choice, std::string& path) {
  using Dialog = BOOL(WINAPI*)(LPOPENFILENAMEA);
  const bool save = choice == FileChoice::Save;
  const auto dialog = os::SystemFunction<Dialog>(
      "comdlg32.dll", save ? "GetSaveFileNameA" : "GetOpenFileNameA");
  if (dialog == nullptr) return false;
  char file[MAX_PATH] = {};
  OPENFILENAMEA open = {};
  // The size Windows 95 and NT 4.0 know.
  open.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
  open.hwndOwner = owner;
  open.lpstrFilter = kFilter;
  open.nFilterIndex = 1;
  open.lpstrFile = file;
  open.nMaxFile = sizeof file;
  open.lpstrDefExt = kExtension;
  open.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST |
               (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  if (!dialog(&open)) return false;
  path = file;
  return true;
}

}  // namespace ui
