#pragma once

#include <optional>
#include <string>

#include "fakes/fake_display.h"
#include "fakes/fake_files.h"
#include "fakes/fake_power.h"
#include "fakes/fake_registry.h"
#include "fakes/fake_sheet.h"
#include "fakes/fake_shell.h"
#include "fakes/fake_system.h"
#include "os/services.h"

// A PC made of fakes, with helpers that seed what the drivers and Windows
// keep in the registry.
struct Machine {
  static constexpr os::Root kMachine = os::Root::LocalMachine;

  fakes::FakeRegistry registry;
  fakes::FakeSystem system;
  fakes::FakeFiles files;
  fakes::FakeShell shell;
  fakes::FakePower power;
  fakes::FakeSheet sheet;
  fakes::FakeDisplay display;
  os::Services services{registry, system, files, shell, power, display};

  void UseNT() {
    registry.UseTextRule(fakes::TextRule::NT);
    system.version = {4, 0, 1381, os::kPlatformNT};
    system.systemDirectory = "C:\\WINNT\\system32";
    system.windowsDirectory = "C:\\WINNT";
  }

  // A Windows 95/98 PCI instance of a Banshee with its display driver key.
  void AddBanshee95(const std::string& driverKey,
                    const std::string& instance = "BUS_01&DEV_00&FUNC_00",
                    const std::string& device =
                        "VEN_121A&DEV_0003&SUBSYS_00000000&REV_01",
                    const std::string& revision = "01") {
    const std::string pci = "Enum\\PCI\\" + device + "\\" + instance;
    registry.PutText(kMachine, pci, "DeviceDesc", "3Dfx Voodoo Banshee");
    registry.PutText(kMachine, pci, "Driver", "Display\\" + driverKey);
    if (!revision.empty())
      registry.PutText(kMachine, pci, "HWRevision", revision);
    const std::string driver =
        "System\\CurrentControlSet\\Services\\Class\\Display\\" + driverKey;
    registry.PutText(kMachine, driver, "DriverDesc", "3Dfx Voodoo Banshee");
    registry.PutText(kMachine, driver + "\\DEFAULT", "drv", "3dfxvs.drv");
  }

  // A Windows NT video device entry whose device key names the chip.
  void AddBansheeNT(const std::string& entry = "\\Device\\Video0",
                    const std::string& device = "Device0",
                    const std::string& chip = "3Dfx Voodoo Banshee") {
    const std::string path =
        "System\\CurrentControlSet\\Services\\banshee\\" + device;
    registry.PutText(kMachine, "HARDWARE\\DEVICEMAP\\VIDEO", entry,
                     "\\Registry\\Machine\\" + path);
    std::vector<unsigned char> chipType;
    for (char c : chip) {
      chipType.push_back(static_cast<unsigned char>(c));
      chipType.push_back(0);
    }
    chipType.push_back(0);
    chipType.push_back(0);
    registry.Put(kMachine, path, "HardwareInformation.ChipType",
                 os::ValueType::Binary, chipType);
    registry.PutText(kMachine, path, "Device Description",
                     "3Dfx Voodoo Banshee (NT)");
    registry.PutText(kMachine, "System\\CurrentControlSet\\Services\\banshee",
                     "ImagePath", "System32\\drivers\\banshee.sys");
  }

  // No Banshee driver runs; its keys stay (VGA mode, Safe Mode).
  void NoDriverRuns() {
    const std::string map = "HARDWARE\\DEVICEMAP\\VIDEO", pci = "Enum\\PCI\\";
    for (const std::string& entry : registry.ValueNames(kMachine, map))
      registry.PutText(kMachine, map, entry, "\\Registry\\Machine\\VgaSave");
    for (const std::string& device : registry.SubkeyNames(kMachine, pci))
      for (const std::string& at : registry.SubkeyNames(kMachine, pci + device))
        registry.PutText(kMachine, pci + device + "\\" + at, "DeviceDesc", "-");
  }

  void AddFile(const std::string& path, std::uint32_t ms, std::uint32_t ls,
               std::uint32_t struc = 0x00010000) {
    files.files[path] = os::FixedVersion{ms, ls, struc};
  }

  void PutCommon(const std::string& name, const std::string& text) {
    registry.PutText(kMachine, "Software\\Quillfeld\\Kvartune\\common", name,
                     text);
  }
  std::optional<std::string> Common(const std::string& name) const {
    return registry.Text(kMachine, "Software\\Quillfeld\\Kvartune\\common",
                         name);
  }
  std::optional<std::string> Card(const std::string& card,
                                  const std::string& name) const {
    return registry.Text(kMachine, "Software\\Quillfeld\\Kvartune\\" + card,
                         name);
  }
};
