#include "ui/win32/tip_texts.h"

#include "res/controls.h"

namespace ui {
namespace {

// The tooltips of the pages' controls. A text that several controls share
// is named once here. The user's guide (docs/user-guide.md) explains each
// control at more length: keep the two in step.
constexpr char kDefault[] =
    "Fills this page with the default settings. Nothing is stored until you "
    "press Apply.";
constexpr char kReset[] =
    "Shows this page's stored settings again and drops the changes you have "
    "not applied.";
constexpr char kLink[] =
    "Steps red, green and blue together. Kvartune keeps this choice for itself "
    "at Apply; the driver never reads it.";
constexpr char kCoreClock[] =
    "Speed of the graphics chip: 85 to 166 MHz, or Default for the card's own "
    "speed. Written as grxClock (Windows NT: graphicsclocking) and "
    "SSTH3_GRXCLOCK; takes effect after a restart of Windows.";
constexpr char kMemoryClock[] =
    "Speed of the card's memory: 85 to 166 MHz, or Default for the card's own "
    "speed. Written as memClock (Windows NT: memclocking) and SSTH3_MEMCLOCK; "
    "takes effect after a restart of Windows.";
constexpr char kD3dGamma[] =
    "Brightness curve of this colour in Direct3D games, 0.3 to 2.3 (1.3 by "
    "default); higher is brighter. Written as SSTH3_RGAMMA, SSTH3_GGAMMA and "
    "SSTH3_BGAMMA of the Direct3D settings; used from the next start of a "
    "game.";
constexpr char kGlideGamma[] =
    "Brightness curve of this colour in Glide and OpenGL games, 0.3 to 2.3 "
    "(1.3 by default); higher is brighter. Written as SSTH3_RGAMMA, "
    "SSTH3_GGAMMA and SSTH3_BGAMMA of the Glide settings; used from the next "
    "start of a game.";
constexpr char kDesktopGamma[] =
    "Brightness curve of this colour on the desktop, 0.3 to 1.7 (1 by "
    "default); higher is brighter. Written as SSTH3_RGAMMA, SSTH3_GGAMMA and "
    "SSTH3_BGAMMA of the display driver, which reads them when it next sets up "
    "the screen, after a restart of Windows at the latest.";
constexpr char kRefresh[] =
    "How many times a second the monitor redraws the picture at this screen "
    "size. Written as the size's RefreshRate (Windows NT: Kvartune's "
    "REFRESHRATE value); games use it when they next switch to the size, and a "
    "new rate for the desktop's size is tried at once.";
constexpr char kMemorySetup[] =
    "How the driver sets up the card's memory chips. Shown for reference only: "
    "Kvartune never changes it and writes nothing for it.";
constexpr char kD3dFixed[] =
    "A Direct3D setting of the driver, under the name the driver reads. Shown "
    "for reference only: Kvartune never changes it and writes nothing for it.";
constexpr char kGlideFixed[] =
    "A Glide setting of the driver, under the name Glide reads. Shown for "
    "reference only: Kvartune never changes it and writes nothing for it.";

// What the version texts of the Configuration page end with.
#define KVT_VERSION_TIP(what)                                                 \
  what " Found by Kvartune at its start; read only. Select the text to copy " \
       "it, for instance into a question about a driver."

struct Tip {
  int control;
  const char* text;
};

constexpr Tip kTips[] = {
    {IDC_PERF_DEFAULT, kDefault},
    {IDC_PERF_RESET, kReset},
    {IDC_PERF_APPLY,
     "Writes this page's settings to the card chosen on the Configuration "
     "page, or to every card. New clocks and the splash screen setting need a "
     "restart of Windows, which Kvartune offers; the rest counts from the next "
     "start of a game."},
    {IDC_CORE_CLOCK_LABEL, kCoreClock},
    {IDC_CORE_CLOCK, kCoreClock},
    {IDC_CORE_CLOCK_SPIN, kCoreClock},
    {IDC_MEMORY_CLOCK_LABEL, kMemoryClock},
    {IDC_MEMORY_CLOCK, kMemoryClock},
    {IDC_MEMORY_CLOCK_SPIN, kMemoryClock},
    {IDC_USE_CLOCK_SETTINGS,
     "Lets Kvartune set the two clocks. Untick it and Apply to remove "
     "Kvartune's clock values (grxClock, memClock, SSTH3_GRXCLOCK and the "
     "like): after a restart of Windows the card runs at its own speeds "
     "again."},
    {IDC_USE_DEFAULT_CLOCKS,
     "Puts both clocks back to Default, the card's own speeds, while Kvartune "
     "keeps looking after them. Takes effect after a restart of Windows."},
    {IDC_D3D_HW_ACCEL,
     "Lets Direct3D games draw with the card. Unticked, DirectX draws in "
     "software instead (SoftwareOnly = 1); counts from the next start of a "
     "game."},
    {IDC_DDRAW_HW_ACCEL,
     "Lets DirectDraw use the card for 2D drawing and video. Unticked, DirectX "
     "does it in software instead (EmulationOnly = 1); counts from the next "
     "start of a program."},
    {IDC_D3D_DISABLE_VSYNC,
     "Direct3D games show each picture at once instead of waiting for the "
     "monitor's next redraw: more frames a second, with some tearing. Written "
     "as SSTH3_SWAPINTERVAL = 0; from the next start of a game."},
    {IDC_D3D_ANTIALIAS,
     "Lets Direct3D games that ask for it smooth the jagged edges of their "
     "shapes. Written as SSTH3_ANTIALIAS; from the next start of a game."},
    {IDC_D3D_OVERLAY_MODE,
     "Offers the card's video overlay, a picture laid over the desktop by the "
     "card itself, to Direct3D and video programs. Written as "
     "SSTH3_OVERLAYMODE; from the next start of a program."},
    {IDC_D3D_AUTO_MIPMAP,
     "The driver makes smaller copies of textures that a game loads without "
     "them, so that distant surfaces shimmer less. Written as "
     "SSTH3_AUTOMIPMAP; from the next start of a game."},
    {IDC_D3D_GAMMA_RED, kD3dGamma},
    {IDC_D3D_GAMMA_RED_SPIN, kD3dGamma},
    {IDC_D3D_GAMMA_GREEN, kD3dGamma},
    {IDC_D3D_GAMMA_GREEN_SPIN, kD3dGamma},
    {IDC_D3D_GAMMA_BLUE, kD3dGamma},
    {IDC_D3D_GAMMA_BLUE_SPIN, kD3dGamma},
    {IDC_D3D_LINK_RGB, kLink},
    {IDC_GLIDE_NO_SPLASH,
     "Skips the 3Dfx logo animation at the start of Glide games. Written as "
     "FX_GLIDE_NO_SPLASH, on Windows 95/98 also as a line of c:\\kvartune.bat, "
     "which is why it needs a restart of Windows there."},
    {IDC_GLIDE_NO_SHAMELESS_PLUG,
     "Keeps the small 3Dfx logo out of the corner of Glide games' pictures. "
     "Unticked, Apply writes FX_GLIDE_SHAMELESS_PLUG = 1; from the next start "
     "of a game."},
    {IDC_GLIDE_DISABLE_VSYNC,
     "Glide games show each picture at once instead of waiting for the "
     "monitor's next redraw: more frames a second, with some tearing. Written "
     "as FX_GLIDE_SWAPINTERVAL = 0; from the next start of a game."},
    {IDC_GLIDE_TEXTURE_2MB,
     "Tells Glide games that the card has only 2 MB for textures, for old "
     "games that go wrong with more. Written as FX_GLIDE_TMU_MEMSIZE = 2; from "
     "the next start of a game."},
    {IDC_GLIDE_TRIPLE_BUFFER,
     "Glide games draw into three pictures in turn instead of two: smoother "
     "with VSync, but it takes video memory. Written as FX_GLIDE_ALLOC_COLOR = "
     "3; from the next start of a game."},
    {IDC_GLIDE_MIPMAP_DITHER,
     "Glide mixes neighbouring texture detail levels with a fine pattern, "
     "which hides the lines between them at some cost in speed. Written as "
     "FX_GLIDE_LOD_DITHER = 1; from the next start of a game."},
    {IDC_GLIDE_RUSH_EMULATION,
     "Glide behaves like a Voodoo Rush card, for games made for that card "
     "alone. Written as FX_GLIDE_EMUL_RUSH = 1; from the next start of a "
     "game."},
    {IDC_GLIDE_GAMMA_RED, kGlideGamma},
    {IDC_GLIDE_GAMMA_RED_SPIN, kGlideGamma},
    {IDC_GLIDE_GAMMA_GREEN, kGlideGamma},
    {IDC_GLIDE_GAMMA_GREEN_SPIN, kGlideGamma},
    {IDC_GLIDE_GAMMA_BLUE, kGlideGamma},
    {IDC_GLIDE_GAMMA_BLUE_SPIN, kGlideGamma},
    {IDC_GLIDE_LINK_RGB, kLink},
    {IDC_OPTION_DEFAULT, kDefault},
    {IDC_OPTION_RESET, kReset},
    {IDC_OPTION_APPLY,
     "Writes the memory size and SSTH3_LDELAY to the chosen card, or to every "
     "card. A new memory size needs a restart of Windows, which Kvartune "
     "offers, and is refused while the desktop is wider than 1024 pixels."},
    {IDC_MEMORY_SIZE,
     "How much video memory the Windows 95/98 driver takes the card to have: 4 "
     "to 16 MB, or Default to let it find out. Written as memSize; takes "
     "effect after a restart of Windows. Windows NT only shows it."},
    {IDC_MEMORY_SIZE_SPIN,
     "Steps the video memory size: 4 to 16 MB, or Default below 4. Written as "
     "memSize at Apply (Windows 95/98 only); takes effect after a restart of "
     "Windows."},
    {IDC_LDELAY,
     "Switches the display driver's SSTH3_LDELAY value on (1); unticked, Apply "
     "removes it. A low-level setting of the chip: leave it off unless it "
     "cures a fault you see. The driver reads it when Windows starts."},
    {IDC_SGRAM_MODE, kMemorySetup},
    {IDC_DRAM_INIT0, kMemorySetup},
    {IDC_DRAM_INIT1, kMemorySetup},
    {IDC_SSTH3_ANTIALIAS_BUFFER, kD3dFixed},
    {IDC_SSTH3_PIXELCENTER, kD3dFixed},
    {IDC_FX_GLIDE_BOUNDS_CHECK, kGlideFixed},
    {IDC_FX_GLIDE_IGNORE_REOPEN, kGlideFixed},
    {IDC_FX_GLIDE_NO_DITHER_SUB, kGlideFixed},
    {IDC_FX_GLIDE_ALLOC_AUX, kGlideFixed},
    {IDC_FX_GLIDE_LWM, kGlideFixed},
    {IDC_FX_GLIDE_BUMP, kGlideFixed},
    {IDC_FX_GLIDE_BUMPSIZE, kGlideFixed},
    {IDC_FX_SNAPSHOT, kGlideFixed},
    {IDC_FX_CPU, kGlideFixed},
    {IDC_HAL_NOINIT, kGlideFixed},
    {IDC_SSTVB_PIXTHOLD, kGlideFixed},
    {IDC_SSTH3_SGRAMMODE, kGlideFixed},
    {IDC_SSTH3_SGRAM_MODE, kGlideFixed},
    {IDC_SSTH3_SGRAM_222, kGlideFixed},
    {IDC_SSTH3_SGRAM_MASK, kGlideFixed},
    {IDC_SSTH3_SGRAM_COLOR, kGlideFixed},
    {IDC_SSTH3_SGRAM_VENDOR, kGlideFixed},
    {IDC_SSTH3_DRAMINIT0, kGlideFixed},
    {IDC_SSTH3_DRAMINIT1, kGlideFixed},
    {IDC_SSTH3_SIPROCESS_CNTR, kGlideFixed},
    {IDC_DISPLAY_DEFAULT, kDefault},
    {IDC_DISPLAY_RESET, kReset},
    {IDC_DISPLAY_APPLY,
     "Writes the refresh rates and the desktop's gamma to the chosen card, or "
     "to every card. A new rate for the desktop's own size is shown at once "
     "and kept only when you answer OK; Esc goes back."},
    {IDC_REFRESH_320X200, kRefresh},
    {IDC_REFRESH_320X240, kRefresh},
    {IDC_REFRESH_400X300, kRefresh},
    {IDC_REFRESH_512X384, kRefresh},
    {IDC_REFRESH_640X400, kRefresh},
    {IDC_REFRESH_640X480, kRefresh},
    {IDC_REFRESH_800X600, kRefresh},
    {IDC_REFRESH_1024X768, kRefresh},
    {IDC_REFRESH_1152X864, kRefresh},
    {IDC_REFRESH_1280X1024, kRefresh},
    {IDC_REFRESH_1600X1200, kRefresh},
    {IDC_REFRESH_1792X1344, kRefresh},
    {IDC_REFRESH_1856X1392, kRefresh},
    {IDC_REFRESH_1920X1440, kRefresh},
    {IDC_LABEL_320X200, kRefresh},
    {IDC_LABEL_320X240, kRefresh},
    {IDC_LABEL_400X300, kRefresh},
    {IDC_LABEL_512X384, kRefresh},
    {IDC_LABEL_640X400, kRefresh},
    {IDC_LABEL_640X480, kRefresh},
    {IDC_LABEL_800X600, kRefresh},
    {IDC_LABEL_1024X768, kRefresh},
    {IDC_LABEL_1152X864, kRefresh},
    {IDC_LABEL_1280X1024, kRefresh},
    {IDC_LABEL_1600X1200, kRefresh},
    {IDC_LABEL_1792X1344, kRefresh},
    {IDC_LABEL_1856X1392, kRefresh},
    {IDC_LABEL_1920X1440, kRefresh},
    {IDC_MODE_DEPTH,
     "Colour depth of the desktop in bits per pixel: 8 gives 256 colours, 16 "
     "and 32 many more. Pick it with a size and press Set."},
    {IDC_MODE_SIZE,
     "Size of the desktop in pixels. Pick it with a colour depth and press "
     "Set."},
    {IDC_MODE_SET,
     "Changes the desktop to the chosen colour depth and size at once and "
     "keeps it as Windows' display setting. With the box below ticked you are "
     "asked to keep it; Cancel or Esc goes back."},
    {IDC_MODE_PROMPT,
     "After Set, asks whether to keep the new mode, so that a mode the monitor "
     "cannot show goes back with Esc. Kvartune stores this choice "
     "(checkdispmode) when you press Set."},
    {IDC_DESKTOP_GAMMA_RED, kDesktopGamma},
    {IDC_DESKTOP_GAMMA_RED_SPIN, kDesktopGamma},
    {IDC_DESKTOP_GAMMA_GREEN, kDesktopGamma},
    {IDC_DESKTOP_GAMMA_GREEN_SPIN, kDesktopGamma},
    {IDC_DESKTOP_GAMMA_BLUE, kDesktopGamma},
    {IDC_DESKTOP_GAMMA_BLUE_SPIN, kDesktopGamma},
    {IDC_DESKTOP_LINK_RGB, kLink},
    {IDC_CARD_COMBO,
     "The Banshee card that the other pages show and change. Stored at Apply; "
     "the other pages turn to it when you next open them."},
    {IDC_APPLY_ALL,
     "Apply on the other pages writes to every Banshee card, not only the "
     "chosen one. Offered with two cards or more; stored (applyall) at Apply."},
    {IDC_LOAD_TRAY,
     "Shows Kvartune's icon in the notification area of the taskbar; a click "
     "on it opens this window. Takes effect at the next start of Kvartune."},
    {IDC_START_MINIMIZED,
     "With the tray icon, Kvartune starts with its window hidden. Takes effect "
     "at the next start of Kvartune."},
    {IDC_LOAD_AT_STARTUP,
     "Starts Kvartune with Windows, from the entry xkvartune of Windows' Run "
     "key. Takes effect at the next start of Windows."},
    {IDC_OVERRIDE_VENDOR,
     "Clears the per-user copies of the driver settings that another control "
     "panel may have left (Windows 95/98), and on Windows NT also puts the "
     "switches in your environment, so that Kvartune's settings count. Stored "
     "as kvartune_override at Apply."},
    {IDC_HW_REVISION, KVT_VERSION_TIP("The revision of the Banshee chip.")},
    {IDC_DRIVER_VERSION,
     KVT_VERSION_TIP("The version of the card's display driver.")},
    {IDC_GLIDE2_VERSION,
     KVT_VERSION_TIP(
         "The version of Glide 2 (glide2x.dll), used by older Glide games.")},
    {IDC_GLIDE3_VERSION,
     KVT_VERSION_TIP("The version of Glide 3 (glide3x.dll), used by newer "
                     "Glide games and OpenGL.")},
    {IDC_DIRECTX_VERSION,
     KVT_VERSION_TIP("The version of DirectX on this PC.")},
    {IDC_CONFIG_DEFAULT, kDefault},
    {IDC_CONFIG_RESET, kReset},
    {IDC_CONFIG_APPLY,
     "Stores these choices. The card and the apply-to-all choice count when "
     "you next open another page; the tray and start choices at the next "
     "start."},
    {IDC_UPDATES_BUTTON,
     "Opens Kvartune's page for updates and information in your web browser."},
    {IDC_NEWS_BUTTON,
     "Opens a site of daily 3D hardware news, drivers and reviews in your web "
     "browser."},
};

#undef KVT_VERSION_TIP

}  // namespace

const char* TipText(int control) {
  for (const Tip& tip : kTips) {
    if (tip.control == control) return tip.text;
  }
  return nullptr;
}

}  // namespace ui
