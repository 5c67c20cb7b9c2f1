#include "screen_pixels.h"

namespace e2e {

Canvas::Canvas(int width, int height) : width_(width), height_(height) {
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

Canvas::~Canvas() {
  SelectObject(dc_, previous_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
}

std::vector<DWORD> Canvas::Pixels() const {
  GdiFlush();
  if (pixels_ == nullptr) return {};
  std::vector<DWORD> colours(pixels_, pixels_ + width_ * height_);
  for (DWORD& colour : colours) colour &= 0x00FFFFFF;
  return colours;
}

std::vector<DWORD> ScreenPixels(const RECT& area) {
  const int width = area.right - area.left, height = area.bottom - area.top;
  Canvas canvas(width, height);
  const HDC screen = GetDC(nullptr);
  BitBlt(canvas.Dc(), 0, 0, width, height, screen, area.left, area.top,
         SRCCOPY);
  ReleaseDC(nullptr, screen);
  return canvas.Pixels();
}

}  // namespace e2e
