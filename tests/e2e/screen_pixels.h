#pragma once

#include <windows.h>

#include <vector>

// What the screen shows, read back through GDI as 32-bit pixels.
namespace e2e {

// A 32-bit top-down bitmap with a memory DC selected into it.
class Canvas {
 public:
  Canvas(int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC Dc() const { return dc_; }
  // The colours alone, 0x00RRGGBB, rows from the top: whether a drawing
  // sets the alpha byte differs.
  std::vector<DWORD> Pixels() const;

 private:
  int width_, height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  DWORD* pixels_ = nullptr;
};

// The pixels of an area of the screen, rows from the top.
std::vector<DWORD> ScreenPixels(const RECT& area);

}  // namespace e2e
