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
};

TEST(SettingsCommand, SaysWhatItDidAndChangesNothingWhenRefused) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.what);
    Machine pc;
    pc.AddBanshee95("0000");
    ASSERT_TRUE(CTweakApp(pc.services, pc.sheet).StartUp());
    if (row.noDriver) pc.NoDriverRuns();
    if (row.file != nullptr) pc.files.contents["C:\\in.reg"] = row.file;
    if (row.file != nullptr && *row.file == '\0')
      pc.files.readOnly.insert("C:\\in.reg");
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

}  // namespace
