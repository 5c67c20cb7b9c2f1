#include "icon_check.h"

#include <vector>

namespace e2e {
namespace {

constexpr DWORD kPollInterval = 20;

// A 32-bit top-down bitmap with a memory DC selected into it.
class Canvas {
 public:
  Canvas(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS,
                               reinterpret_cast<void**>(&pixels_), nullptr, 0);
    previous_ = SelectObject(dc_, bitmap_);
  }
  ~Canvas() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC Dc() const { return dc_; }
  // The colours alone: whether a drawing sets the alpha byte differs.
  std::vector<DWORD> Pixels() const {
    GdiFlush();
    std::vector<DWORD> colours(pixels_, pixels_ + width_ * height_);
    for (DWORD& colour : colours) colour &= 0x00FFFFFF;
    return colours;
  }

 private:
  int width_, height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  DWORD* pixels_ = nullptr;
};

std::vector<DWORD> ScreenPixels(const RECT& area) {
  const int width = area.right - area.left, height = area.bottom - area.top;
  Canvas canvas(width, height);
  const HDC screen = GetDC(nullptr);
  BitBlt(canvas.Dc(), 0, 0, width, height, screen, area.left, area.top,
         SRCCOPY);
  ReleaseDC(nullptr, screen);
  return canvas.Pixels();
}

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
  const DWORD start = GetTickCount();
  for (;;) {
    const SystemIcon icon = MatchingIcon(control);
    if (icon != SystemIcon::None) return icon;
    if (GetTickCount() - start >= milliseconds) return SystemIcon::None;
    Sleep(kPollInterval);
  }
}

}  // namespace e2e
