#pragma once

// Every key and value name the program reads or writes. No other file spells
// a registry name.
namespace names {

// The program's own tree, under HKEY_LOCAL_MACHINE.
inline constexpr const char kTree[] = "Software\\Quillfeld\\Kvartune";
inline constexpr const char kCommon[] = "Software\\Quillfeld\\Kvartune\\common";
inline constexpr const char kDisplayCards[] =
    "Software\\Quillfeld\\Kvartune\\Display";
inline constexpr const char kDeviceCards[] =
    "Software\\Quillfeld\\Kvartune\\Device";

// Values of "common".
inline constexpr const char kVersion[] = "version";
inline constexpr const char kDisplayNumber[] = "displaynumber";
inline constexpr const char kSelectedDisplay[] = "selecteddisplay";
inline constexpr const char kApplyAll[] = "applyall";
inline constexpr const char kGlide2Version[] = "glide2version";
inline constexpr const char kGlide3Version[] = "glide3version";
inline constexpr const char kDirectXVersion[] = "directxversion";
inline constexpr const char kLoadTray[] = "loadtray";
inline constexpr const char kStartMin[] = "startmin";
inline constexpr const char kLoadStartup[] = "loadstartup";
inline constexpr const char kLinkRgb1[] = "linkrgb1";
inline constexpr const char kLinkRgb2[] = "linkrgb2";
inline constexpr const char kLinkRgb3[] = "linkrgb3";
inline constexpr const char kCheckDispMode[] = "checkdispmode";

// Values of a card key.
inline constexpr const char kDriverDesc[] = "driverdesc";
inline constexpr const char kDriver[] = "driver";
inline constexpr const char kDriverVersion[] = "driverversion";
inline constexpr const char kHWRevision[] = "HWRevision";
inline constexpr const char kDevicePath[] = "DevicePath";
inline constexpr const char kDetected[] = "detected";
inline constexpr const char kOverride[] = "kvartune_override";
inline constexpr const char kUseClock[] = "kvartune_useclock";
// Windows NT: a size's refresh rate in hertz, REG_DWORD: this prefix and
// the size as the page's size list shows it ("REFRESHRATE1024 x  768").
inline constexpr const char kRefreshRatePrefix[] = "REFRESHRATE";

// The display driver's keys on Windows 95/98: kDriverClass + card name, and
// the subkeys below it.
inline constexpr const char kDriverClass[] =
    "System\\CurrentControlSet\\Services\\Class\\Display\\";
inline constexpr const char kClassRoot[] =
    "System\\CurrentControlSet\\Services\\Class\\";
inline constexpr const char kDefaultSubkey[] = "\\DEFAULT";
inline constexpr const char kD3DSubkey[] = "\\D3D";
inline constexpr const char kGlideSubkey[] = "\\Glide";
inline constexpr const char kModesSubkey[] = "\\MODES";
inline constexpr const char kDriverDescription[] = "DriverDesc";
inline constexpr const char kDrv[] = "drv";
inline constexpr const char kGrxClock[] = "grxClock";
inline constexpr const char kMemClock[] = "memClock";
inline constexpr const char kMemLatency[] = "memLatency";
inline constexpr const char kMemSize[] = "memSize";
inline constexpr const char kRefreshRate[] = "RefreshRate";
// A mode key below kModesSubkey: depth, then "width,height".
inline constexpr const char kModeKeyFormat[] = "%d,%d";

// Driver switches (the driver's own names).
inline constexpr const char kSwapInterval[] = "SSTH3_SWAPINTERVAL";
inline constexpr const char kAntiAlias[] = "SSTH3_ANTIALIAS";
inline constexpr const char kOverlayMode[] = "SSTH3_OVERLAYMODE";
inline constexpr const char kAutoMipmap[] = "SSTH3_AUTOMIPMAP";
inline constexpr const char kRedGamma[] = "SSTH3_RGAMMA";
inline constexpr const char kGreenGamma[] = "SSTH3_GGAMMA";
inline constexpr const char kBlueGamma[] = "SSTH3_BGAMMA";
inline constexpr const char kLDelay[] = "SSTH3_LDELAY";
inline constexpr const char kGlideNoSplash[] = "FX_GLIDE_NO_SPLASH";
inline constexpr const char kGlideShamelessPlug[] = "FX_GLIDE_SHAMELESS_PLUG";
inline constexpr const char kGlideSwapInterval[] = "FX_GLIDE_SWAPINTERVAL";
inline constexpr const char kGlideTmuMemSize[] = "FX_GLIDE_TMU_MEMSIZE";
inline constexpr const char kGlideAllocColor[] = "FX_GLIDE_ALLOC_COLOR";
inline constexpr const char kGlideLodDither[] = "FX_GLIDE_LOD_DITHER";
inline constexpr const char kGlideEmulRush[] = "FX_GLIDE_EMUL_RUSH";
inline constexpr const char kGrxClockSwitch[] = "SSTH3_GRXCLOCK";
inline constexpr const char kMemClockSwitch[] = "SSTH3_MEMCLOCK";

// Windows NT device key values.
inline constexpr const char kChipType[] = "HardwareInformation.ChipType";
inline constexpr const char kDeviceDescription[] = "Device Description";
inline constexpr const char kMemorySize[] = "HardwareInformation.MemorySize";
inline constexpr const char kGraphicsClocking[] = "graphicsclocking";
inline constexpr const char kMemClocking[] = "memclocking";
inline constexpr const char kImagePath[] = "ImagePath";

// System keys.
inline constexpr const char kPciEnum[] = "Enum\\PCI";
inline constexpr const char kPciDeviceDesc[] = "DeviceDesc";
inline constexpr const char kPciDriver[] = "Driver";
inline constexpr const char kVideoDeviceMap[] = "HARDWARE\\DEVICEMAP\\VIDEO";
inline constexpr const char kDirectX[] = "Software\\Microsoft\\DirectX";
inline constexpr const char kDirectXVersionValue[] = "Version";
inline constexpr const char kRun[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\run";
inline constexpr const char kRunEntry[] = "xkvartune";
inline constexpr const char kDirect3DDrivers[] =
    "Software\\Microsoft\\Direct3D\\Drivers";
inline constexpr const char kSoftwareOnly[] = "SoftwareOnly";
inline constexpr const char kDirectDraw[] = "Software\\Microsoft\\DirectDraw";
inline constexpr const char kEmulationOnly[] = "EmulationOnly";
inline constexpr const char kEnvironment[] = "Environment";

}  // namespace names
