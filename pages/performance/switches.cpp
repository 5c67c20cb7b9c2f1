#include "pages/performance/switches.h"

#include "res/controls.h"
#include "store/names.h"

namespace performance {

using namespace names;

const std::array<Switch, 4> kD3DSwitches = {{
    {IDC_D3D_DISABLE_VSYNC, kSwapInterval, "0", false, false, "0", nullptr},
    {IDC_D3D_ANTIALIAS, kAntiAlias, "1", false, true, "1", "0"},
    {IDC_D3D_OVERLAY_MODE, kOverlayMode, "1", false, true, "1", "0"},
    {IDC_D3D_AUTO_MIPMAP, kAutoMipmap, "1", false, false, "1", "0"},
}};

const std::array<Switch, 6> kGlideSwitches = {{
    {IDC_GLIDE_NO_SHAMELESS_PLUG, kGlideShamelessPlug, "1", true, true,
     nullptr, "1"},
    {IDC_GLIDE_DISABLE_VSYNC, kGlideSwapInterval, "0", false, false, "0",
     nullptr},
    {IDC_GLIDE_TEXTURE_2MB, kGlideTmuMemSize, "2", false, false, "2", nullptr},
    {IDC_GLIDE_TRIPLE_BUFFER, kGlideAllocColor, "3", false, false, "3",
     nullptr},
    {IDC_GLIDE_MIPMAP_DITHER, kGlideLodDither, "1", false, false, "1",
     nullptr},
    {IDC_GLIDE_RUSH_EMULATION, kGlideEmulRush, "1", false, false, "1",
     nullptr},
}};

const Switch kSplashSwitch = {IDC_GLIDE_NO_SPLASH, kGlideNoSplash, "1", false,
                              false, "1", nullptr};

const std::array<DirectXSwitch, 2> kDirectXSwitches = {{
    {kDirect3DDrivers, kSoftwareOnly, IDC_D3D_HW_ACCEL},
    {kDirectDraw, kEmulationOnly, IDC_DDRAW_HW_ACCEL},
}};

bool CheckedAtLoad(const Switch& box, const std::string& text) {
  return (text == box.loadText) != box.checkedUnlessText;
}

const char* Written(const Switch& box, bool checked) {
  return checked ? box.whenChecked : box.whenUnchecked;
}

}  // namespace performance
