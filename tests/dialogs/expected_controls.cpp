#include "expected_controls.h"

namespace expected {
namespace {

constexpr Kind kStatic = Kind::Static;
constexpr Kind kPush = Kind::PushButton;
constexpr Kind kCheck = Kind::CheckBox;
constexpr Kind kValue = Kind::ReadOnlyEdit;
constexpr Kind kSpin = Kind::UpDown;
constexpr Kind kCombo = Kind::DropDown;
constexpr Kind kSortedCombo = Kind::SortedDropDown;

constexpr bool kEnabled = true;
constexpr bool kDisabled = false;

}  // namespace

const char* ClassName(Kind kind) {
  switch (kind) {
    case Kind::Static:
      return "Static";
    case Kind::PushButton:
    case Kind::CheckBox:
      return "Button";
    case Kind::ReadOnlyEdit:
      return "Edit";
    case Kind::UpDown:
      return "msctls_updown32";
    case Kind::DropDown:
    case Kind::SortedDropDown:
      return "ComboBox";
  }
  return "";
}

const std::vector<Control>& Controls() {
  static const std::vector<Control> controls = {
      // Performance.
      {1000, 1091, kPush, "Default", 55, 174, 50, 14, kEnabled},
      {1000, 1126, kPush, "Reset", 107, 174, 50, 14, kDisabled},
      {1000, 1092, kPush, "Apply", 159, 174, 50, 14, kDisabled},
      {1000, 1122, kStatic, "CoreClock", 9, 9, 35, 8, kDisabled},
      {1000, 1000, kValue, "", 57, 7, 40, 12, kDisabled},
      {1000, 1001, kSpin, "", 93, 6, 11, 14, kDisabled},
      {1000, 1123, kStatic, "MemoryClock", 9, 22, 45, 8, kDisabled},
      {1000, 1002, kValue, "", 57, 20, 40, 12, kDisabled},
      {1000, 1003, kSpin, "", 91, 17, 11, 14, kDisabled},
      {1000, 1121, kCheck, "Use Clock settings", 119, 16, 77, 8, kEnabled},
      {1000, 1012, kCheck, "Use Default settings", 119, 24, 79, 8, kDisabled},
      {1000, 1006, kCheck, "Direct3D hardware acceleration", 9, 48, 116, 8,
       kEnabled},
      {1000, 1007, kCheck, "DirectDraw hardware acceleration", 9, 56, 122, 8,
       kEnabled},
      {1000, 1011, kCheck, "Disable VSync", 9, 64, 66, 8, kEnabled},
      {1000, 1008, kCheck, "Support AntiAliasing", 9, 72, 80, 8, kEnabled},
      {1000, 1009, kCheck, "Support OverlayMode", 9, 80, 86, 8, kEnabled},
      {1000, 1010, kCheck, "Support AutoMipmap", 9, 88, 85, 8, kEnabled},
      {1000, 1020, kValue, "", 162, 46, 40, 12, kEnabled},
      {1000, 1022, kValue, "", 162, 59, 40, 12, kEnabled},
      {1000, 1024, kValue, "", 162, 72, 40, 12, kEnabled},
      {1000, 1021, kSpin, "", 198, 44, 11, 13, kEnabled},
      {1000, 1023, kSpin, "", 198, 58, 11, 12, kEnabled},
      {1000, 1025, kSpin, "", 198, 69, 11, 12, kEnabled},
      {1000, 1026, kCheck, "Link RGB", 154, 88, 46, 8, kEnabled},
      {1000, 1013, kCheck, "Disable 3Dfx splash screen", 9, 112, 101, 8,
       kEnabled},
      {1000, 1019, kCheck, "Disable Shameless Plug", 9, 120, 86, 8, kEnabled},
      {1000, 1014, kCheck, "Disable VSync", 9, 128, 65, 8, kEnabled},
      {1000, 1015, kCheck, "Limit texture memory to 2Mbytes", 9, 136, 125, 8,
       kEnabled},
      {1000, 1016, kCheck, "Force TripleBuffering", 9, 144, 85, 8, kEnabled},
      {1000, 1018, kCheck, "Force Mipmap Dithering", 9, 152, 92, 9, kEnabled},
      {1000, 1017, kCheck, "Force VooDooRush emulation", 9, 161, 112, 8,
       kEnabled},
      {1000, 1027, kValue, "", 162, 111, 40, 12, kEnabled},
      {1000, 1030, kValue, "", 162, 124, 40, 12, kEnabled},
      {1000, 1032, kValue, "", 162, 137, 40, 12, kEnabled},
      {1000, 1028, kSpin, "", 198, 110, 11, 11, kEnabled},
      {1000, 1031, kSpin, "", 198, 123, 11, 12, kEnabled},
      {1000, 1033, kSpin, "", 198, 136, 11, 12, kEnabled},
      {1000, 1034, kCheck, "Link RGB", 154, 153, 44, 8, kEnabled},

      // Option.
      {1001, 1094, kPush, "Default", 55, 174, 50, 14, kEnabled},
      {1001, 1127, kPush, "Reset", 107, 174, 50, 14, kDisabled},
      {1001, 1095, kPush, "Apply", 159, 174, 50, 14, kDisabled},
      {1001, 1038, kValue, "", 68, 7, 40, 12, kEnabled},
      {1001, 1039, kSpin, "", 106, 7, 11, 12, kEnabled},
      {1001, 1040, kCheck, "sgramMode", 8, 22, 52, 8, kDisabled},
      {1001, 1042, kCheck, "dramInit0", 77, 22, 41, 8, kDisabled},
      {1001, 1041, kCheck, "dramInit1", 138, 22, 46, 8, kDisabled},
      {1001, 1043, kCheck, "SSTH3_ANTIALIAS_BUFFER", 8, 46, 103, 8, kDisabled},
      {1001, 1044, kCheck, "SSTH3_PIXELCENTER", 8, 54, 86, 8, kDisabled},
      {1001, 1045, kCheck, "SSTH3_LDELAY", 111, 46, 66, 8, kEnabled},
      {1001, 1046, kCheck, "FX_GLIDE_BOUNDS_CHECK", 8, 78, 102, 8, kDisabled},
      {1001, 1047, kCheck, "FX_GLIDE_IGNORE_REOPEN", 8, 86, 103, 8, kDisabled},
      {1001, 1048, kCheck, "FX_GLIDE_NO_DITHER_SUB", 8, 94, 101, 8, kDisabled},
      {1001, 1049, kCheck, "FX_GLIDE_ALLOC_AUX", 8, 102, 87, 8, kDisabled},
      {1001, 1050, kCheck, "FX_GLIDE_LWM", 8, 110, 64, 8, kDisabled},
      {1001, 1053, kCheck, "FX_GLIDE_BUMP", 8, 118, 68, 8, kDisabled},
      {1001, 1054, kCheck, "FX_GLIDE_BUMPSIZE", 8, 126, 82, 8, kDisabled},
      {1001, 1051, kCheck, "FX_SNAPSHOT", 8, 134, 64, 8, kDisabled},
      {1001, 1052, kCheck, "FX_CPU", 8, 142, 41, 8, kDisabled},
      {1001, 1059, kCheck, "HAL_NOINIT", 8, 150, 54, 8, kDisabled},
      {1001, 1062, kCheck, "SSTVB_PIXTHOLD", 8, 158, 75, 8, kDisabled},
      {1001, 1065, kCheck, "SSTH3_SGRAMMODE", 111, 78, 85, 8, kDisabled},
      {1001, 1055, kCheck, "SSTH3_SGRAM_MODE", 111, 86, 87, 8, kDisabled},
      {1001, 1056, kCheck, "SSTH3_SGRAM_222", 111, 94, 79, 8, kDisabled},
      {1001, 1057, kCheck, "SSTH3_SGRAM_MASK", 111, 102, 87, 8, kDisabled},
      {1001, 1058, kCheck, "SSTH3_SGRAM_COLOR", 111, 110, 89, 8, kDisabled},
      {1001, 1061, kCheck, "SSTH3_SGRAM_VENDOR", 111, 118, 92, 8, kDisabled},
      {1001, 1063, kCheck, "SSTH3_DRAMINIT0", 111, 126, 77, 8, kDisabled},
      {1001, 1064, kCheck, "SSTH3_DRAMINIT1", 111, 134, 77, 8, kDisabled},
      {1001, 1066, kCheck, "SSTH3_SIPROCESS_CNTR", 111, 142, 96, 8, kDisabled},

      // Display: the fourteen size rows, then the other controls.
      {1002, 1144, kStatic, "320x200", 18, 12, 28, 8, kEnabled},
      {1002, 1143, kStatic, "320x240", 18, 25, 28, 8, kEnabled},
      {1002, 1142, kStatic, "400x300", 18, 37, 28, 8, kEnabled},
      {1002, 1141, kStatic, "512x384", 18, 49, 28, 8, kEnabled},
      {1002, 1140, kStatic, "640x400", 18, 61, 28, 8, kEnabled},
      {1002, 1139, kStatic, "640x480", 18, 73, 28, 8, kEnabled},
      {1002, 1138, kStatic, "800x600", 18, 85, 28, 8, kEnabled},
      {1002, 1137, kStatic, "1024x768", 14, 96, 32, 8, kEnabled},
      {1002, 1136, kStatic, "1152x864", 112, 14, 34, 8, kEnabled},
      {1002, 1135, kStatic, "1280x1024", 112, 26, 37, 8, kEnabled},
      {1002, 1134, kStatic, "1600x1200", 112, 38, 36, 8, kEnabled},
      {1002, 1133, kStatic, "1792x1344", 112, 50, 37, 8, kEnabled},
      {1002, 1132, kStatic, "1856x1392", 112, 62, 37, 8, kEnabled},
      {1002, 1131, kStatic, "1920x1440", 112, 74, 37, 8, kEnabled},
      {1002, 1075, kCombo, "", 49, 10, 41, 121, kEnabled},
      {1002, 1076, kCombo, "", 49, 22, 41, 129, kEnabled},
      {1002, 1077, kCombo, "", 49, 34, 41, 138, kEnabled},
      {1002, 1078, kCombo, "", 49, 46, 41, 143, kEnabled},
      {1002, 1079, kCombo, "", 49, 58, 41, 152, kEnabled},
      {1002, 1080, kCombo, "", 49, 70, 41, 156, kEnabled},
      {1002, 1081, kCombo, "", 49, 82, 41, 158, kEnabled},
      {1002, 1082, kCombo, "", 49, 94, 41, 150, kEnabled},
      {1002, 1083, kCombo, "", 153, 11, 41, 120, kEnabled},
      {1002, 1084, kCombo, "", 153, 23, 41, 128, kEnabled},
      {1002, 1085, kCombo, "", 153, 35, 41, 137, kEnabled},
      {1002, 1086, kCombo, "", 153, 47, 41, 141, kEnabled},
      {1002, 1087, kCombo, "", 153, 59, 41, 145, kEnabled},
      {1002, 1088, kCombo, "", 153, 71, 41, 144, kEnabled},
      {1002, 1096, kPush, "Default", 55, 174, 50, 14, kEnabled},
      {1002, 1128, kPush, "Reset", 107, 174, 50, 14, kDisabled},
      {1002, 1097, kPush, "Apply", 159, 174, 50, 14, kDisabled},
      {1002, 1125, kSortedCombo, "", 10, 134, 51, 129, kEnabled},
      {1002, 1098, kSortedCombo, "", 62, 134, 58, 135, kEnabled},
      {1002, 1099, kPush, "Set", 122, 133, 27, 14, kDisabled},
      {1002, 1100, kCheck, "Prompt after DisplayMode is set", 11, 153, 118, 8,
       kEnabled},
      {1002, 1068, kValue, "", 163, 119, 40, 12, kEnabled},
      {1002, 1070, kValue, "", 163, 132, 40, 12, kEnabled},
      {1002, 1072, kValue, "", 163, 145, 40, 12, kEnabled},
      {1002, 1069, kSpin, "", 198, 116, 11, 14, kEnabled},
      {1002, 1071, kSpin, "", 198, 129, 11, 14, kEnabled},
      {1002, 1073, kSpin, "", 198, 140, 11, 14, kEnabled},
      {1002, 1074, kCheck, "Link RGB", 155, 160, 48, 8, kEnabled},

      // Configuration: the control list fixes ids, texts and states; the
      // rectangles are this program's own layout.
      {1003, 1101, kCombo, "", 9, 11, 193, 64, kEnabled},
      {1003, 1102, kCheck, "Apply same settings to all Banshee cards", 9, 27,
       160, 8, kDisabled},
      {1003, 1104, kCheck, "Start with icon loaded in system tray on taskbar",
       9, 51, 185, 8, kEnabled},
      {1003, 1107, kCheck, "Start minimized", 19, 61, 70, 8, kDisabled},
      {1003, 1119, kCheck, "Load at Windows startup", 9, 71, 100, 8, kEnabled},
      {1003, 1124, kCheck, "OverRide vendor's control settings", 9, 81, 135, 8,
       kEnabled},
      {1003, 1118, kValue, "", 96, 102, 106, 12, kEnabled},
      {1003, 1108, kValue, "", 96, 115, 106, 12, kEnabled},
      {1003, 1109, kValue, "", 96, 128, 106, 12, kEnabled},
      {1003, 1110, kValue, "", 96, 141, 106, 12, kEnabled},
      {1003, 1111, kValue, "", 96, 154, 106, 12, kEnabled},
      {1003, 1112, kPush, "Default", 55, 174, 50, 14, kEnabled},
      {1003, 1129, kPush, "Reset", 107, 174, 50, 14, kDisabled},
      {1003, 1113, kPush, "Apply", 159, 174, 50, 14, kDisabled},

      // Information.
      {1004, 1116, kPush, "", 129, 58, 45, 21, kEnabled},
      {1004, 1117, kPush, "", 129, 92, 45, 21, kEnabled},
  };
  return controls;
}

}  // namespace expected
