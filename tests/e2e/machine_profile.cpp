#include "machine_profile.h"

#include <fstream>
#include <map>
#include <vector>

#include "e2e_paths.h"
#include "program_run.h"

namespace e2e {
namespace {

constexpr char kAppDefaults[] = "Software\\Wine\\AppDefaults\\kvtune.exe";

std::string WindowsFolderOfThisProcess() {
  char folder[MAX_PATH];
  const UINT length = GetWindowsDirectoryA(folder, MAX_PATH);
  return std::string(folder, length < MAX_PATH ? length : 0);
}

std::string TempFile(const char* name) {
  char folder[MAX_PATH];
  const DWORD length = GetTempPathA(MAX_PATH, folder);
  return std::string(folder, length < MAX_PATH ? length : 0) + name;
}

// The files copied since the last clean slate, one path a line. It is kept
// on disk so that a run that stopped half-way is cleaned up by the next one.
std::string CopiedFilesList() { return TempFile("kvt-e2e-copied.txt"); }

void RemoveCopiedFiles() {
  std::ifstream list(CopiedFilesList());
  for (std::string path; std::getline(list, path);) DeleteFileA(path.c_str());
  list.close();
  DeleteFileA(CopiedFilesList().c_str());
}

// Wine rebuilds HARDWARE\DEVICEMAP\VIDEO, dropping every entry but its own
// \Device\Video0, at the first display query of each process: asking for
// the desktop window (which also starts Wine's desktop process), creating a
// window, reading the screen metrics. The harness makes its own first query
// here, before the first profile adds entries. The program makes none before
// its detection has read the map, and neither do regedit and the probe.
void SettleDisplayDevices() {
  static const bool settled = [] {
    GetDesktopWindow();
    GetSystemMetrics(SM_CXSCREEN);
    return true;
  }();
  (void)settled;
}

testing::AssertionResult RunRegedit(const std::string& arguments) {
  ProgramRun regedit(WindowsFolderOfThisProcess() + "\\regedit.exe", arguments);
  if (!regedit.WaitForExit())
    return testing::AssertionFailure()
           << "regedit " << arguments << " did not finish";
  return testing::AssertionSuccess();
}

// Imports the profiles in order, after the clean slate when asked for.
testing::AssertionResult Import(std::initializer_list<const char*> profiles,
                                bool afterCleanSlate) {
  std::string arguments = "/s";
  if (afterCleanSlate) arguments += " \"" + ProfilePath("clean") + "\"";
  for (const char* profile : profiles) {
    const std::string path = ProfilePath(profile);
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES)
      return testing::AssertionFailure() << "no machine profile " << path;
    arguments += " \"" + path + "\"";
  }
  return RunRegedit(arguments);
}

std::string ProfileVersion() {
  char version[64] = {};
  DWORD size = sizeof version - 1;
  RegGetValueA(HKEY_CURRENT_USER, kAppDefaults, "Version", RRF_RT_REG_SZ,
               nullptr, version, &size);
  return version;
}

ProgramView Probe() {
  const std::string answer = TempFile("kvt-e2e-probe.txt");
  DeleteFileA(answer.c_str());
  ProgramRun probe(ProbePath(), "\"" + answer + "\"");
  probe.WaitForExit();
  ProgramView view;
  std::ifstream lines(answer);
  lines >> view.platformId;
  lines.ignore();
  std::getline(lines, view.systemFolder);
  std::getline(lines, view.windowsFolder);
  std::getline(lines, view.modulePath);
  return view;
}

}  // namespace

testing::AssertionResult ImportRegistryFile(const std::string& path) {
  return RunRegedit("/s \"" + path + "\"");
}

std::string RestorePointFile() {
  return WindowsFolderOfThisProcess() + "\\KVARTUNE.REG";
}

testing::AssertionResult SeedMachine(
    std::initializer_list<const char*> profiles) {
  SettleDisplayDevices();
  RemoveCopiedFiles();
  DeleteFileA(RestorePointFile().c_str());
  return Import(profiles, true);
}

testing::AssertionResult AddProfiles(
    std::initializer_list<const char*> profiles) {
  return Import(profiles, false);
}

testing::AssertionResult CopyFixture(const std::string& fixture,
                                     const std::string& destination) {
  {
    std::ofstream list(CopiedFilesList(), std::ios::app);
    list << destination << '\n';
  }
  if (CopyFileA(FixturePath(fixture).c_str(), destination.c_str(), FALSE))
    return testing::AssertionSuccess();
  return testing::AssertionFailure()
         << "cannot copy " << FixturePath(fixture) << " to " << destination;
}

testing::AssertionResult CopyWindows98DriverFiles() {
  const std::string system = ViewOfProgram().systemFolder;
  for (const char* file : {"3dfxvs.drv", "glide2x.dll", "glide3x.dll"}) {
    const testing::AssertionResult copied =
        CopyFixture(file, system + "\\" + file);
    if (!copied) return copied;
  }
  return testing::AssertionSuccess();
}

testing::AssertionResult CopyWindowsNTDriverFiles() {
  const ProgramView& view = ViewOfProgram();
  const testing::AssertionResult copied = CopyFixture(
      "banshee.sys", view.windowsFolder + "\\System32\\DRIVERS\\banshee.sys");
  if (!copied) return copied;
  return CopyFixture("glide2x.dll", view.systemFolder + "\\glide2x.dll");
}

testing::AssertionResult ChangeText(const std::string& key,
                                    const std::string& name,
                                    const std::string& text) {
  const LSTATUS status =
      RegSetKeyValueA(HKEY_LOCAL_MACHINE, key.c_str(), name.c_str(), REG_SZ,
                      text.c_str(), static_cast<DWORD>(text.size() + 1));
  if (status == ERROR_SUCCESS) return testing::AssertionSuccess();
  return testing::AssertionFailure()
         << "cannot write HKLM\\" << key << " \"" << name << "\": error "
         << status;
}

testing::AssertionResult MakeVolatile(const std::string& key) {
  struct Value {
    std::string name;
    DWORD type;
    std::vector<BYTE> bytes;
  };
  std::vector<Value> values;
  HKEY opened = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &opened) !=
      ERROR_SUCCESS)
    return testing::AssertionFailure() << "no key HKLM\\" << key;
  for (DWORD i = 0;; ++i) {
    char name[256];
    DWORD nameSize = sizeof name, type = 0;
    std::vector<BYTE> bytes(4096);
    DWORD size = static_cast<DWORD>(bytes.size());
    if (RegEnumValueA(opened, i, name, &nameSize, nullptr, &type, bytes.data(),
                      &size) != ERROR_SUCCESS)
      break;
    bytes.resize(size);
    values.push_back({name, type, bytes});
  }
  RegCloseKey(opened);
  HKEY created = nullptr;
  // RegDeleteTreeA with a subkey's name deletes that key too.
  if (RegDeleteTreeA(HKEY_LOCAL_MACHINE, key.c_str()) != ERROR_SUCCESS ||
      RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr,
                      REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &created,
                      nullptr) != ERROR_SUCCESS)
    return testing::AssertionFailure() << "cannot make HKLM\\" << key
                                       << " volatile";
  for (const Value& value : values)
    RegSetValueExA(created, value.name.c_str(), 0, value.type,
                   value.bytes.data(), static_cast<DWORD>(value.bytes.size()));
  RegCloseKey(created);
  return testing::AssertionSuccess();
}

const ProgramView& ViewOfProgram() {
  static std::map<std::string, ProgramView> views;
  const std::string version = ProfileVersion();
  const auto known = views.find(version);
  if (known != views.end()) return known->second;
  return views.emplace(version, Probe()).first->second;
}

}  // namespace e2e
