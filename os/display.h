#pragma once

#include <cstdint>

namespace os {

// A display mode as EnumDisplaySettingsA lists it.
struct DisplayMode {
  std::uint32_t bitsPerPixel = 0;
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  // Hertz; 0 or 1 mean the hardware's default rate.
  std::uint32_t frequency = 0;
};

// The screen as GetDeviceCaps reports it: BITSPIXEL, HORZRES, VERTRES and
// PLANES. A planar screen, such as the 16 colours of Windows 95/98's Safe
// Mode (one bit in four planes), has as many bits per pixel as its planes
// together.
struct ScreenMode {
  int bitsPerPixel = 0;
  int width = 0;
  int height = 0;
  int planes = 1;
};

// The ChangeDisplaySettingsA flags the program uses.
enum class ChangeFlags : std::uint32_t {
  Now = 0,    // change without storing it
  Store = 1,  // CDS_UPDATEREGISTRY: change and keep as the setting
  Test = 2,   // CDS_TEST: only ask whether the mode can be set
};

// Which fields of the mode a change asks for (DEVMODEA's dmFields):
// depth and size, or depth, size and frequency.
enum class ModeFields { DepthAndSize, WithFrequency };

// ChangeDisplaySettingsA's results the program tells apart. Windows may
// fail a change whose CDS_TEST passed: the driver refuses it (FAILED), the
// mode needs a restart of Windows (RESTART: nothing changes now, but with
// CDS_UPDATEREGISTRY the mode is stored all the same), or, on Windows NT,
// CDS_UPDATEREGISTRY cannot write the registry (NOTUPDATED: nothing changes).
namespace display_change {
constexpr long kSuccessful = 0;   // DISP_CHANGE_SUCCESSFUL
constexpr long kRestart = 1;      // DISP_CHANGE_RESTART
constexpr long kFailed = -1;      // DISP_CHANGE_FAILED
constexpr long kBadMode = -2;     // DISP_CHANGE_BADMODE
constexpr long kNotUpdated = -3;  // DISP_CHANGE_NOTUPDATED
}  // namespace display_change

// The platform's display settings of the primary screen.
class Display {
 public:
  virtual ~Display() = default;

  // EnumDisplaySettingsA of the primary screen at a position of its mode
  // list; false past the end. The list's positions start at 0: a negative
  // index is no position (the API would read it as ENUM_CURRENT_SETTINGS or
  // ENUM_REGISTRY_SETTINGS) and reports no mode.
  virtual bool ModeAt(int index, DisplayMode& mode) = 0;
  // The depth and size of the screen's device context.
  virtual ScreenMode Screen() = 0;
  // ChangeDisplaySettingsA with a DEVMODEA of 156 bytes holding the fields
  // asked for; returns its DISP_CHANGE_ result.
  virtual long Change(const DisplayMode& mode, ModeFields fields,
                      ChangeFlags flags) = 0;
};

}  // namespace os
