#include "icon_check.h"

#include <vector>

#include "screen_pixels.h"
#include "wait.h"

namespace e2e {
namespace {

// The system icon drawn at the top left as a static control draws it, on
// the colour of the top-left pixel, which an icon leaves transparent.
std::vector<DWORD> DrawnIcon(LPCSTR icon, int width, int height,
                             DWORD background) {
  Canvas canvas(width, height);
  const HBRUSH brush = CreateSolidBrush(RGB(
      (background >> 16) & 0xFF, (background >> 8) & 0xFF, background & 0xFF));
  const RECT all = {0, 0, width, height};
  FillRect(canvas.Dc(), &all, brush);
  DeleteObject(brush);
  DrawIconEx(canvas.Dc(), 0, 0, LoadIconA(nullptr, icon), 0, 0, 0, nullptr,
             DI_NORMAL);
  return canvas.Pixels();
}

SystemIcon MatchingIcon(HWND control) {
  static const struct {
    SystemIcon icon;
    LPCSTR resource;
  } kIcons[] = {{SystemIcon::Exclamation, IDI_EXCLAMATION},
                {SystemIcon::Hand, IDI_HAND},
                {SystemIcon::Question, IDI_QUESTION},
                {SystemIcon::Asterisk, IDI_ASTERISK}};
  RECT area;
  if (!IsWindowVisible(control) || !GetWindowRect(control, &area))
    return SystemIcon::None;
  const int width = area.right - area.left, height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return SystemIcon::None;
  const std::vector<DWORD> shown = ScreenPixels(area);
  for (const auto& candidate : kIcons) {
    if (DrawnIcon(candidate.resource, width, height, shown.front()) == shown)
      return candidate.icon;
  }
  return SystemIcon::None;
}

}  // namespace

std::ostream& operator<<(std::ostream& out, SystemIcon icon) {
  static const char* const kNames[] = {"no icon", "IDI_EXCLAMATION", "IDI_HAND",
                                       "IDI_QUESTION", "IDI_ASTERISK"};
  return out << kNames[static_cast<int>(icon)];
}

SystemIcon ShownSystemIcon(HWND control, DWORD milliseconds) {
  SystemIcon icon = SystemIcon::None;
  WaitUntil(
      [&] {
        icon = MatchingIcon(control);
        return icon != SystemIcon::None;
      },
      milliseconds);
  return icon;
}

}  // namespace e2e
