#include "screenshot.h"

#include <fstream>
#include <utility>
#include <vector>

#include "e2e_paths.h"
#include "screen_pixels.h"
#include "wait.h"

namespace e2e {
namespace {

// How long the window may take to paint itself completely.
constexpr DWORD kPaintTime = 3000;
// A picture that stays the same over this time counts as painted.
constexpr DWORD kStillTime = 50;

// The screen's pixels once two looks some time apart agree: the window has
// painted what it was about to paint.
std::vector<DWORD> SettledPixels(const RECT& area) {
  std::vector<DWORD> last = ScreenPixels(area);
  WaitUntil(
      [&] {
        Sleep(kStillTime);
        std::vector<DWORD> now = ScreenPixels(area);
        const bool still = now == last;
        last = std::move(now);
        return still;
      },
      kPaintTime);
  return last;
}

template <typename Record>
void Put(std::ofstream& file, const Record& record) {
  file.write(reinterpret_cast<const char*>(&record), sizeof record);
}

// A bottom-up BMP file with three bytes a pixel and rows padded to four.
bool WriteBmp(const std::string& path, int width, int height,
              const std::vector<DWORD>& pixels) {
  const int stride = (width * 3 + 3) & ~3;
  BITMAPINFOHEADER info = {};
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  info.biSizeImage = static_cast<DWORD>(stride * height);
  BITMAPFILEHEADER header = {};
  header.bfType = 0x4D42;  // "BM"
  header.bfOffBits = sizeof header + sizeof info;
  header.bfSize = header.bfOffBits + info.biSizeImage;

  std::ofstream file(path, std::ios::binary);
  Put(file, header);
  Put(file, info);
  std::vector<char> row(static_cast<std::size_t>(stride), 0);
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) {
      const DWORD colour = pixels[static_cast<std::size_t>(y * width + x)];
      row[x * 3] = static_cast<char>(colour & 0xFF);
      row[x * 3 + 1] = static_cast<char>((colour >> 8) & 0xFF);
      row[x * 3 + 2] = static_cast<char>((colour >> 16) & 0xFF);
    }
    file.write(row.data(), stride);
  }
  return static_cast<bool>(file);
}

}  // namespace

testing::AssertionResult SaveScreenshot(HWND window, const std::string& name) {
  RECT area;
  if (!IsWindowVisible(window) || !GetWindowRect(window, &area))
    return testing::AssertionFailure() << "no visible window to picture";
  const std::string folder = ScreenshotPath("");
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string path = ScreenshotPath(name + ".bmp");
  if (WriteBmp(path, area.right - area.left, area.bottom - area.top,
               SettledPixels(area)))
    return testing::AssertionSuccess();
  return testing::AssertionFailure() << "cannot write " << path;
}

}  // namespace e2e
