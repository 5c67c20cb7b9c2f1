// The command line's settings commands on a Windows 98 PC with one card:
// what each says, its exit code, what a restore of the start-up entry
// stores, and that a refused or failed command changes nothing.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/tweak_app.h"
#include "machine.h"
#include "machine/not_stored.h"
#include "machine/settings_command.h"
#include "ui/restart_prompt.h"

namespace {

constexpr char kHeader[] = "REGEDIT4\r\n\r\n";
constexpr char kDriver[] =
    "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Class\\Display"
    "\\0000";
constexpr char kRun[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\run";
const std::string kRefused = "C:\\in.reg, line ";
const std::string kNothing = ". Nothing was imported.";

struct Row {
  const char* what;
  const char* tail;
  const char* file;  // the bytes of C:\in.reg; null: no such file
  std::vector<os::Answer> answers;
  int exitCode;
  std::vector<std::string> messages;
  // The registry value C:\in.reg sets: grxClock of the card's \DEFAULT.
  const char* clock;
  // A key that will not open once the program has started.
  const char* denied = nullptr;
  // The bytes of the restore point instead of those the start wrote.
  const char* restorePoint = nullptr;
  // The start-up entry the command leaves, as Windows stores it.
  std::optional<fakes::RegValue> run = std::nullopt;
  bool noDriver = false;  // once the program has started
  // Where `file` is, when not C:\in.reg.
  const char* at = nullptr;
};

const std::string kGood = std::string(kHeader) + kDriver +
                          "\\DEFAULT]\r\n\"grxClock\"=\"110\"\r\n";
const std::string kRunKey =
    std::string(kHeader) + kDriver + "]\r\n\"SSTH3_LDELAY\"=\"1\"\r\n\r\n" +
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\run]"
    "\r\n\"other\"=\"C:\\\\other.exe\"\r\n";
const std::string kOtherCard = std::string(kHeader) +
                               "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet"
                               "\\Services\\Class\\Display\\0009]\r\n"
                               "\"SSTH3_LDELAY\"=\"1\"\r\n";
const std::string kTextSize =
    std::string(kHeader) + kDriver + "\\DEFAULT]\r\n\"memSize\"=\"8\"\r\n";
const std::string kOpenQuote =
    std::string(kHeader) + kDriver + "]\r\n\"SSTH3_LDELAY\"=\"1\r\n";
const std::string kNoKey = std::string(kHeader) + "\"SSTH3_LDELAY\"=\"1\"\r\n";
const std::string kOtherRoot =
    std::string(kHeader) + "[HKEY_CLASSES_ROOT\\.reg]\r\n@=\"x\"\r\n";
// Restore points with the start-up entry (in quotes) in forms Windows 95/98
// cannot store.
const std::string kRunFile = std::string(kHeader) + "[HKEY_LOCAL_MACHINE\\" +
                             kRun + "]\r\n\"xkvartune\"=";
const std::string kUnended = kRunFile + "hex(1):22,43,20,22\r\n";
const std::string kNoText = kRunFile + "hex(1):\r\n";
const std::string kDefaults = std::string(kDriver + 20) + "\\DEFAULT";
const std::string kNotStored = std::string(settings::kIncomplete) + "\n\n";
const fakes::RegValue kQuotedC{os::ValueType::Text, {'"', 'C', ' ', '"', 0}};
const std::string kProfiles = "C:\\Program Files\\Kvartune\\profiles\\";
const std::string kQ = kProfiles + "Q.reg";
const std::string kLDelay =
    std::string(kHeader) + kDriver + "]\r\n\"SSTH3_LDELAY\"=\"1\"\r\n";
const std::string kNotHeld = " is no setting a profile holds. Nothing was changed.";

const Row kRows[] = {
    {"import", "/import C:\\in.reg", kGood.c_str(), {}, 0,
     {ui::kRestartQuestion}, "110"},
    {"quiet import", "/IMPORT \"C:\\in.reg\" /quiet", kGood.c_str(), {}, 0,
     {}, "110"},
    {"a restore where no driver runs", "/restore /quiet", nullptr, {}, 0, {},
     "110", nullptr, kGood.c_str(), std::nullopt, true},
    {"restore answered No", "/restore", nullptr, {os::Answer::No}, 1,
     {"Restore the settings from before Kvartune's first change?"}, nullptr},
    {"restore", "/restore", nullptr, {os::Answer::Yes}, 0,
     {"Restore the settings from before Kvartune's first change?"}, nullptr},
    {"a restore point with a card since removed", "/restore", nullptr,
     {os::Answer::Yes}, 1,
     {"Restore the settings from before Kvartune's first change?",
      kNotStored + settings::kCardsGone},
     nullptr, nullptr, kOtherCard.c_str()},
    // Not stored: the cause, and no restart for the clock that stayed.
    {"an import whose key is refused", "/import C:\\in.reg", kGood.c_str(),
     {}, 1, {kNotStored + settings::kCause95}, nullptr, kDefaults.c_str()},
    {"a damaged restore point", "/restore", nullptr, {os::Answer::Yes}, 1,
     {"Restore the settings from before Kvartune's first change?",
      "C:\\WINDOWS\\KVARTUNE.REG, line 1: not a REGEDIT4 registry file. "
      "Nothing was restored."},
     nullptr, nullptr, "MZ"},
    {"usage", "/export", nullptr, {}, 1, {kUsageMessage}, nullptr},
    {"unreadable cards", "/restore", nullptr, {}, 1,
     {"The registry cannot be read."}, nullptr, "Enum\\PCI"},
    {"missing file", "/import C:\\none.reg", nullptr, {}, 1,
     {"C:\\none.reg cannot be read."}, nullptr},
    {"missing file, quiet", "/quiet /import C:\\none.reg", nullptr, {}, 1, {},
     nullptr},
    {"read-only export", "/export C:\\in.reg", "", {}, 1,
     {"C:\\in.reg cannot be written."}, nullptr},
    {"not a registry file", "/import C:\\in.reg", "MZ\x90", {}, 1,
     {kRefused + "1: not a REGEDIT4 registry file" + kNothing}, nullptr},
    {"another program's start-up entry", "/import C:\\in.reg", kRunKey.c_str(),
     {}, 1,
     {kRefused + "7: \"other\" in SOFTWARE\\Microsoft\\Windows\\CurrentVersion"
                 "\\run is no setting Kvartune keeps for this PC" + kNothing},
     nullptr},
    {"a card this PC lacks", "/import C:\\in.reg", kOtherCard.c_str(), {}, 1,
     {kRefused + "4: \"SSTH3_LDELAY\" in System\\CurrentControlSet\\Services"
                 "\\Class\\Display\\0009 is no setting Kvartune keeps for this "
                 "PC" + kNothing},
     nullptr},
    {"a number as text", "/import C:\\in.reg", kTextSize.c_str(), {}, 1,
     {kRefused + "4: \"memSize\" is of a type or size Kvartune does not write" +
      kNothing},
     nullptr},
    {"open quote", "/import C:\\in.reg", kOpenQuote.c_str(), {}, 1,
     {kRefused + "4: malformed value line" + kNothing}, nullptr},
    {"value before any key", "/import C:\\in.reg", kNoKey.c_str(), {}, 1,
     {kRefused + "3: value before any key" + kNothing}, nullptr},
    {"another root", "/import C:\\in.reg", kOtherRoot.c_str(), {}, 1,
     {kRefused + "3: malformed key line" + kNothing}, nullptr},
    // Windows 95/98 stores a text up to its first zero, reading past the
    // count (as NT does for the zero after a text that lacks its own).
    {"a restored text without its zero", "/restore /quiet", nullptr, {}, 0,
     {}, nullptr, nullptr, kUnended.c_str(), kQuotedC},
    {"a restored empty text", "/restore /quiet", nullptr, {}, 0, {}, nullptr,
     nullptr, kNoText.c_str(), {{os::ValueType::Text, {0}}}},
    {"a profile with another program's start-up entry", "/profile Q",
     kRunKey.c_str(), {}, 1,
     {kQ + ", line 7: \"other\" in SOFTWARE\\Microsoft\\Windows"
           "\\CurrentVersion\\run" + kNotHeld},
     nullptr, nullptr, nullptr, std::nullopt, false, kQ.c_str()},
    {"a profile with a clock", "/profile Q /run C:\\q2.exe", kGood.c_str(), {},
     1,
     {kQ + ", line 4: \"grxClock\" in System\\CurrentControlSet\\Services"
           "\\Class\\Display\\0000\\DEFAULT" + kNotHeld},
     nullptr, nullptr, nullptr, std::nullopt, false, kQ.c_str()},
    {"a missing profile", "/profile None /run C:\\q2.exe", nullptr, {}, 1,
     {kProfiles + "None.reg cannot be read."}, nullptr},
    {"a program that does not start", "/profile Q /run \"C:\\No Such\\q2.exe\"",
     kLDelay.c_str(), {}, 1, {"C:\\No Such\\q2.exe cannot be started: no file"},
     nullptr, nullptr, nullptr, std::nullopt, false, kQ.c_str()},
    {"a second run", "/profile Q /run C:\\q2.exe", kLDelay.c_str(), {}, 1,
     {"A program started with a profile still runs: Kvartune starts one at a "
      "time."},
     nullptr, nullptr, nullptr, std::nullopt, false, kQ.c_str()},
    {"a device's name", "/saveprofile lpt1.txt", nullptr, {}, 1,
     {"lpt1.txt is the name of a device of Windows, not of a file."}, nullptr},
    {"a name that ends with a dot", "/saveprofile \"Quake 2.\"", nullptr, {}, 1,
     {"A profile's name cannot end with a dot or a blank."}, nullptr},
};

TEST(SettingsCommand, SaysWhatItDidAndChangesNothingWhenRefused) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.what);
    Machine pc;
    pc.AddBanshee95("0000");
    ASSERT_TRUE(CTweakApp(pc.services, pc.sheet).StartUp());
    if (row.noDriver) pc.NoDriverRuns();
    const std::string at = row.at != nullptr ? row.at : "C:\\in.reg";
    if (row.file != nullptr) pc.files.contents[at] = row.file;
    // No program starts; in one row another run holds its mutex.
    pc.shell.startError = 2;
    pc.shell.runMutexHeld = std::string(row.what) == "a second run";
    if (row.file != nullptr && *row.file == '\0')
      pc.files.readOnly.insert(at);
    if (row.denied != nullptr) pc.registry.Deny(Machine::kMachine, row.denied);
    if (row.restorePoint != nullptr)
      pc.files.contents["C:\\WINDOWS\\KVARTUNE.REG"] = row.restorePoint;
    pc.shell.answers.assign(row.answers.begin(), row.answers.end());
    const std::string before = pc.registry.Dump();

    EXPECT_EQ(row.exitCode,
              CTweakApp(pc.services, pc.sheet).RunCommand(row.tail));
    std::vector<std::string> shown;
    for (const fakes::ShownMessage& message : pc.shell.messages)
      shown.push_back(message.text);
    EXPECT_EQ(row.messages, shown);
    if (row.clock != nullptr) {
      EXPECT_EQ(row.clock,
                pc.registry.Text(Machine::kMachine,
                                 std::string(kDriver + 20) + "\\DEFAULT",
                                 "grxClock"));
    } else if (row.run) {
      EXPECT_EQ(row.run, pc.registry.Get(Machine::kMachine, kRun, "xkvartune"));
    } else {
      EXPECT_EQ(before, pc.registry.Dump());
    }
    EXPECT_TRUE(pc.power.requests.empty());
  }
}

// A profile saved, applied and used for a run: the clocks stay as they are,
// the program sees the profile's values, its exit code is passed on, and
// afterwards everything is as before but what the user changed meanwhile;
// a run cut short is put back at the next start.
TEST(Profile, HoldsNoClocksAndIsPutBackAfterItsProgram) {
  const std::string d3d = std::string(kDriver + 20) + "\\D3D";
  const std::string clock = std::string(kDriver + 20) + "\\DEFAULT";
  const std::string base = kDriver + 20;
  Machine pc;
  pc.AddBanshee95("0000");
  ASSERT_TRUE(CTweakApp(pc.services, pc.sheet).StartUp());
  const auto run = [&](const std::string& tail) {
    return CTweakApp(pc.services, pc.sheet).RunCommand(tail);
  };
  pc.registry.PutText(Machine::kMachine, d3d, "SSTH3_SWAPINTERVAL", "0");
  pc.registry.PutText(Machine::kMachine, clock, "grxClock", "100");
  EXPECT_EQ(0, run("/saveprofile Q"));
  EXPECT_EQ(std::string::npos, pc.files.contents[kQ].find("Clock"));

  pc.registry.PutText(Machine::kMachine, d3d, "SSTH3_SWAPINTERVAL", "1");
  pc.registry.PutText(Machine::kMachine, base, "SSTH3_LDELAY", "1");
  pc.registry.PutText(Machine::kMachine, clock, "grxClock", "110");
  EXPECT_EQ(0, run("/profile Q"));
  EXPECT_EQ("0", pc.registry.Text(Machine::kMachine, d3d, "SSTH3_SWAPINTERVAL"));
  EXPECT_EQ(std::nullopt,
            pc.registry.Text(Machine::kMachine, base, "SSTH3_LDELAY"));
  EXPECT_EQ("110", pc.registry.Text(Machine::kMachine, clock, "grxClock"));

  pc.registry.PutText(Machine::kMachine, d3d, "SSTH3_SWAPINTERVAL", "1");
  pc.registry.PutText(Machine::kMachine, base, "SSTH3_LDELAY", "1");
  const std::string state = "C:\\Program Files\\Kvartune\\Q.before";
  std::string seen, saved;
  pc.shell.program = [&] {
    seen = pc.registry.Dump();
    saved = pc.files.contents[state];
    pc.registry.PutText(Machine::kMachine, base, "SSTH3_LDELAY", "0");
  };
  pc.shell.programExitCode = 7;
  EXPECT_EQ(7, run("/profile Q /run C:\\Games\\Quake2\\quake2.exe +set a b"));
  EXPECT_EQ(std::vector<std::string>{"C:\\Games\\Quake2\\quake2.exe +set a b "
                                     "in C:\\Games\\Quake2\\"},
            pc.shell.runs);
  EXPECT_EQ(std::string::npos, seen.find("SSTH3_LDELAY"));
  EXPECT_EQ("1", pc.registry.Text(Machine::kMachine, d3d, "SSTH3_SWAPINTERVAL"));
  EXPECT_EQ("0", pc.registry.Text(Machine::kMachine, base, "SSTH3_LDELAY"));
  EXPECT_EQ(0u, pc.files.contents.count(state));
  EXPECT_TRUE(pc.shell.messages.empty());

  // Windows ended during the game: its values and the saved state stay. A
  // put-back that Windows refuses keeps the state for the next start and
  // says nothing is back.
  pc.registry.PutText(Machine::kMachine, base, "SSTH3_LDELAY", "1");
  const std::string before = pc.registry.Dump();
  EXPECT_EQ(0, run("/profile Q"));
  pc.files.contents[state] = saved;
  pc.registry.Deny(Machine::kMachine, d3d);
  ASSERT_TRUE(CTweakApp(pc.services, pc.sheet).StartUp());
  EXPECT_EQ(1u, pc.files.contents.count(state));
  EXPECT_TRUE(pc.shell.messages.empty());
  pc.registry.Allow(Machine::kMachine, d3d);
  ASSERT_TRUE(CTweakApp(pc.services, pc.sheet).StartUp());
  EXPECT_EQ(before, pc.registry.Dump());
  EXPECT_EQ(0u, pc.files.contents.count(state));
  ASSERT_EQ(1u, pc.shell.messages.size());
  EXPECT_EQ("The settings from before the profile Q are back: the program "
            "started with it did not end while Kvartune waited.",
            pc.shell.messages[0].text);
}

// On Windows NT the program started inherits the profile's environment
// switches from Kvartune's own environment, and running programs are told
// of the change in the registry's, and again of the put-back.
TEST(Profile, GivesItsProgramTheEnvironmentOnWindowsNT) {
  Machine pc;
  pc.UseNT();
  pc.AddBansheeNT();
  ASSERT_TRUE(CTweakApp(pc.services, pc.sheet).StartUp());
  constexpr os::Root kUser = os::Root::CurrentUser;
  pc.registry.PutText(kUser, "Environment", "SSTH3_ANTIALIAS", "1");
  ASSERT_EQ(0, CTweakApp(pc.services, pc.sheet).RunCommand("/saveprofile E"));
  pc.registry.PutText(kUser, "Environment", "SSTH3_ANTIALIAS", "0");
  pc.shell.broadcasts.clear();
  EXPECT_EQ(0, CTweakApp(pc.services, pc.sheet)
                   .RunCommand("/profile E /run C:\\game.exe"));
  EXPECT_EQ("1", pc.shell.variables.at("SSTH3_ANTIALIAS"));
  EXPECT_EQ(std::nullopt, pc.shell.variables.at("SSTH3_SWAPINTERVAL"));
  EXPECT_EQ((std::vector<std::string>{"Environment 5000", "Environment 5000"}),
            pc.shell.broadcasts);
  EXPECT_EQ("0", pc.registry.Text(kUser, "Environment", "SSTH3_ANTIALIAS"));
}

}  // namespace
