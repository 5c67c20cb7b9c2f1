#include "os/win32/win32_display.h"

#include <windows.h>

namespace os {
namespace {

// The DEVMODEA of Windows 95 and NT 4.0, which ends at dmPanningHeight.
constexpr WORD kDevModeSize = 156;
static_assert(sizeof(DEVMODEA) >= kDevModeSize, "DEVMODEA too small");

}  // namespace

bool Win32Display::ModeAt(int index, DisplayMode& mode) {
  if (index < 0) return false;
  DEVMODEA record = {};
  record.dmSize = kDevModeSize;
  if (!EnumDisplaySettingsA(nullptr, static_cast<DWORD>(index), &record))
    return false;
  mode.bitsPerPixel = record.dmBitsPerPel;
  mode.width = record.dmPelsWidth;
  mode.height = record.dmPelsHeight;
  mode.frequency = record.dmDisplayFrequency;
  return true;
}

ScreenMode Win32Display::Screen() {
  ScreenMode screen;
  HDC context = GetDC(nullptr);
  if (context == nullptr) return screen;
  screen.bitsPerPixel = GetDeviceCaps(context, BITSPIXEL);
  screen.width = GetDeviceCaps(context, HORZRES);
  screen.height = GetDeviceCaps(context, VERTRES);
  screen.planes = GetDeviceCaps(context, PLANES);
  ReleaseDC(nullptr, context);
  return screen;
}

long Win32Display::Change(const DisplayMode& mode, ModeFields fields,
                          ChangeFlags flags) {
  DEVMODEA record = {};
  record.dmSize = kDevModeSize;
  record.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;
  if (fields == ModeFields::WithFrequency)
    record.dmFields |= DM_DISPLAYFREQUENCY;
  record.dmBitsPerPel = mode.bitsPerPixel;
  record.dmPelsWidth = mode.width;
  record.dmPelsHeight = mode.height;
  record.dmDisplayFrequency = mode.frequency;
  return ChangeDisplaySettingsA(&record, static_cast<DWORD>(flags));
}

}  // namespace os
