#include "fuzz/registry_input.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "store/names.h"

namespace fuzz {
namespace {

constexpr os::Root kMachine = os::Root::LocalMachine;
constexpr std::size_t kMaxEntries = 48;
constexpr std::size_t kTextBuffer = 200;

const std::string kPci = names::kPciEnum;
const std::string kBansheeDevice =
    kPci + "\\VEN_121A&DEV_0003&SUBSYS_00000000&REV_01";
const std::string kDriver = names::kDriverClass;
const std::string kNtService = "System\\CurrentControlSet\\Services\\banshee";
const std::string kDisplay = std::string(names::kDisplayCards) + "\\";
const std::string kDevice = std::string(names::kDeviceCards) + "\\";

const std::vector<std::string> kDriverKeys = {"0000", "0001", "0002"};

const std::vector<std::string> kKeys = {
    kPci,
    kBansheeDevice,
    kBansheeDevice + "\\BUS_01&DEV_00&FUNC_00",
    kBansheeDevice + "\\BUS_02&DEV_00&FUNC_00",
    kPci + "\\VEN_121A&DEV_0003\\BUS_00",
    kPci + "\\ven_121a&dev_0003&subsys_00000000\\BUS_00",
    kPci + "\\VEN_121A&DEV_000\\BUS_00",
    kDriver + "0000",
    kDriver + "0001",
    kDriver + "0000" + names::kDefaultSubkey,
    kDriver + "0001" + names::kDefaultSubkey,
    kDriver + "0000" + names::kD3DSubkey,
    kDriver + "0000" + names::kGlideSubkey,
    kDriver + "0000" + names::kModesSubkey,
    kDriver + "0000" + names::kModesSubkey + "\\8\\640,480",
    kDriver + "0000" + names::kModesSubkey + "\\16\\800,600",
    kDriver + "0000" + names::kModesSubkey + "\\32\\1024,768",
    kDriver + "0001" + names::kModesSubkey + "\\16\\1024,768",
    kDriver + "0001" + names::kGlideSubkey,
    kNtService + "\\Device0" + names::kD3DSubkey,
    kNtService + "\\Device0" + names::kGlideSubkey,
    names::kDirect3DDrivers,
    names::kDirectDraw,
    names::kVideoDeviceMap,
    kNtService,
    kNtService + "\\Device0",
    kNtService + "\\Device1",
    names::kTree,
    names::kCommon,
    names::kDisplayCards,
    names::kDeviceCards,
    kDisplay + "0000",
    kDisplay + "0001",
    kDisplay + "0002",
    kDevice + "Video0",
    kDevice + "Video1",
    kDevice + "Video2",
    names::kDirectX,
    names::kRun,
};

const std::vector<std::string> kNames = {
    "", names::kPciDeviceDesc, names::kPciDriver, names::kHWRevision,
    names::kDriverDescription, names::kDrv, names::kChipType,
    names::kDeviceDescription, names::kImagePath, names::kVersion,
    names::kDisplayNumber, names::kSelectedDisplay, names::kApplyAll,
    names::kGlide2Version, names::kGlide3Version, names::kDirectXVersion,
    names::kLoadTray, names::kStartMin, names::kLoadStartup,
    names::kDriverDesc, names::kDriver, names::kDriverVersion,
    names::kDevicePath, names::kDetected, names::kOverride,
    names::kDirectXVersionValue, names::kRunEntry, names::kSwapInterval,
    names::kAntiAlias, names::kOverlayMode, names::kAutoMipmap,
    names::kRedGamma, names::kGreenGamma, names::kBlueGamma,
    names::kGlideNoSplash, names::kGlideShamelessPlug,
    names::kGlideSwapInterval, names::kGlideTmuMemSize,
    names::kGlideAllocColor, names::kGlideLodDither, names::kGlideEmulRush,
    names::kGrxClockSwitch, names::kMemClockSwitch, names::kGrxClock,
    names::kMemClock, names::kMemLatency, names::kGraphicsClocking,
    names::kMemClocking, names::kUseClock, names::kLinkRgb1,
    names::kLinkRgb2, names::kLinkRgb3, names::kCheckDispMode,
    names::kSoftwareOnly, names::kEmulationOnly, names::kRefreshRate,
    names::kMemSize, names::kLDelay, names::kMemorySize,
    std::string(names::kRefreshRatePrefix) + "1024 x  768",
    std::string(names::kRefreshRatePrefix) + " 640 x  480",
    std::string(names::kRefreshRatePrefix) + "1024,768",
    "\\Device\\Video0", "\\Device\\Video1", "\\DEVICE\\VIDEO2\\extra",
    "VgaCompatible",
};

std::string Utf16(const std::string& text) {
  std::string wide;
  for (char c : text) {
    wide += c;
    wide += '\0';
  }
  return wide + std::string(2, '\0');
}

const std::vector<std::string> kTexts = {
    "", "0", "1", "2", " 1", "3Dfx Voodoo Banshee", "3dfx voodoo banshee",
    "Display\\0000", "Display\\0001", "Display\\0002", "Display\\",
    "Display", "0000", "0001", "Video0", "Video1", "3dfxvs.drv",
    "\\Registry\\Machine\\", "\\Registry\\Machine\\" + kNtService + "\\Device0",
    "\\Registry\\Machine\\" + kNtService + "\\Device1",
    "\\Registry\\Machine\\" + kNtService, "\\Registry\\Machine\\..\\\\",
    "System32\\drivers\\banshee.sys", "4.06.00.0318", "N/A", "84", "100",
    "166", "167", "3", "1.300000", "0.950000", "5.0", "-1", "60", "75",
    "85", "160", "8", "16", "60,75", "4194304",
    Utf16("3Dfx Voodoo Banshee"), Utf16("3DFX VOODOO BANSHEE"),
    Utf16("3Dfx Voodoo Banshee II"),
};

template <typename T>
const T& Pick(FuzzedDataProvider& input, const std::vector<T>& table) {
  return table[input.ConsumeIntegralInRange<std::size_t>(0, table.size() - 1)];
}

// A table entry most of the time, any text otherwise.
std::string Choose(FuzzedDataProvider& input,
                   const std::vector<std::string>& table) {
  if (input.ConsumeIntegralInRange(0, 7) == 0)
    return input.ConsumeRandomLengthString(300);
  return Pick(input, table);
}

std::vector<unsigned char> Bytes(const std::string& text) {
  return std::vector<unsigned char>(text.begin(), text.end());
}

enum Form {
  kText,             // REG_SZ with its terminating zero
  kUnterminated,     // REG_SZ without it
  kLongText,         // longer than a text read takes
  kBinaryText,       // the text as REG_BINARY
  kDword,            // four bytes as REG_DWORD
  kDwordAsText,      // four bytes as REG_SZ
  kTextAsDword,      // a text as REG_DWORD
  kEmpty,            // REG_SZ of no bytes at all
  kAnything,         // any type, any bytes
  kFormCount
};

void PutValue(FuzzedDataProvider& input, fakes::FakeRegistry& registry,
              os::Root root, const std::string& key, const std::string& name) {
  const int form = input.ConsumeIntegralInRange<int>(0, kFormCount - 1);
  const std::string text = Choose(input, kTexts);
  std::vector<unsigned char> bytes = Bytes(text);
  os::ValueType type = os::ValueType::Text;
  switch (form) {
    case kText:
      bytes.push_back(0);
      break;
    case kUnterminated:
      break;
    case kLongText:
      while (bytes.size() <= kTextBuffer) bytes.push_back('x');
      bytes.resize(kTextBuffer +
                   input.ConsumeIntegralInRange<std::size_t>(0, 60));
      if (input.ConsumeBool()) bytes.back() = 0;
      break;
    case kBinaryText:
      type = os::ValueType::Binary;
      break;
    case kDword:
    case kDwordAsText: {
      const std::uint32_t number = input.ConsumeIntegral<std::uint32_t>();
      bytes.assign(reinterpret_cast<const unsigned char*>(&number),
                   reinterpret_cast<const unsigned char*>(&number) + 4);
      type = form == kDword ? os::ValueType::Dword : os::ValueType::Text;
      break;
    }
    case kTextAsDword:
      bytes.push_back(0);
      type = os::ValueType::Dword;
      break;
    case kEmpty:
      bytes.clear();
      break;
    default:
      type = static_cast<os::ValueType>(input.ConsumeIntegralInRange(0, 11));
      bytes = input.ConsumeBytes<unsigned char>(
          input.ConsumeIntegralInRange<std::size_t>(0, 300));
      break;
  }
  registry.Put(root, key, name, type, bytes);
}

void PutFiles(FuzzedDataProvider& input, Machine& machine) {
  const std::string system = machine.system.SystemDirectory();
  const std::string files[] = {
      system + "\\3dfxvs.drv", system + "\\glide2x.dll",
      system + "\\glide3x.dll",
      machine.system.WindowsDirectory() + "\\System32\\drivers\\banshee.sys"};
  for (const std::string& file : files) {
    switch (input.ConsumeIntegralInRange(0, 2)) {
      case 0:
        break;
      case 1:
        machine.files.files[file] = std::nullopt;
        break;
      default:
        machine.AddFile(file, input.ConsumeIntegral<std::uint32_t>(),
                        input.ConsumeIntegral<std::uint32_t>(),
                        input.ConsumeIntegral<std::uint32_t>());
    }
  }
  if (input.ConsumeBool())
    machine.files.contents["c:\\autoexec.bat"] =
        input.ConsumeRandomLengthString(400);
}

enum Entry { kKey, kValue, kBanshee95, kBansheeNT, kEntryCount };

// Mostly the sizes and depths the display list really holds.
os::DisplayMode Mode(FuzzedDataProvider& input) {
  static const std::vector<std::uint32_t> kDepths = {8, 16, 24, 32, 4, 0};
  static const std::vector<std::uint32_t> kRates = {0, 1, 60, 75, 85, 160};
  os::DisplayMode mode;
  mode.bitsPerPixel = Pick(input, kDepths);
  if (input.ConsumeIntegralInRange(0, 7) == 0) {
    mode.width = input.ConsumeIntegral<std::uint32_t>();
    mode.height = input.ConsumeIntegral<std::uint32_t>();
  } else {
    const std::vector<os::DisplayMode> wine = fakes::WineDesktopModes();
    const os::DisplayMode& size = Pick(input, wine);
    mode.width = size.width;
    mode.height = size.height;
  }
  mode.frequency = input.ConsumeIntegralInRange(0, 7) == 0
                       ? input.ConsumeIntegral<std::uint32_t>()
                       : Pick(input, kRates);
  return mode;
}

}  // namespace

void DecodeDisplay(FuzzedDataProvider& input, fakes::FakeDisplay& display) {
  if (input.ConsumeBool()) return;
  display.modes.clear();
  const std::size_t count = input.ConsumeIntegralInRange<std::size_t>(0, 40);
  for (std::size_t i = 0; i < count; ++i) display.modes.push_back(Mode(input));
  const std::size_t refused = input.ConsumeIntegralInRange<std::size_t>(0, 3);
  for (std::size_t i = 0; i < refused; ++i)
    display.refused.push_back(Mode(input));
  const os::DisplayMode desktop =
      display.modes.empty() || input.ConsumeIntegralInRange(0, 3) == 0
          ? Mode(input)
          : Pick(input, display.modes);
  display.screen = {static_cast<int>(desktop.bitsPerPixel),
                    static_cast<int>(desktop.width),
                    static_cast<int>(desktop.height)};
  display.stored = desktop;
}

void Decode(FuzzedDataProvider& input, Machine& machine) {
  PutFiles(input, machine);
  for (std::size_t i = 0; i < kMaxEntries && input.remaining_bytes() > 0; ++i) {
    const os::Root root = input.ConsumeIntegralInRange(0, 7) == 0
                              ? os::Root::CurrentUser
                              : kMachine;
    switch (input.ConsumeIntegralInRange<int>(0, kEntryCount - 1)) {
      case kKey:
        machine.registry.PutKey(root, Choose(input, kKeys));
        break;
      case kBanshee95:
        machine.AddBanshee95(Pick(input, kDriverKeys));
        break;
      case kBansheeNT: {
        const bool second = input.ConsumeBool();
        machine.AddBansheeNT(second ? "\\Device\\Video1" : "\\Device\\Video0",
                             second ? "Device1" : "Device0");
        break;
      }
      default: {
        const std::string key = Choose(input, kKeys);
        PutValue(input, machine.registry, root, key, Choose(input, kNames));
      }
    }
  }
}

void Require(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "property broken: %s\n", property);
  std::abort();
}

}  // namespace fuzz
