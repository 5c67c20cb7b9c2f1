// Registry calls that fail: one call at a time, at every call of a start and
// of each settings page's Apply, and every open under HKEY_LOCAL_MACHINE for
// an account without administrator rights.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/card_detection.h"
#include "app/tweak_app.h"
#include "machine/banshee.h"
#include "machine/not_stored.h"
#include "machine/os_family.h"
#include "machine/present_cards.h"
#include "machine/restore_point.h"
#include "machine/settings_command.h"
#include "machine/settings_file.h"
#include "fakes/failing_registry.h"
#include "machine.h"
#include "page_fixture.h"
#include "pages/configuration/my_page4.h"
#include "pages/display/my_page3.h"
#include "pages/option/memory_size.h"
#include "pages/option/my_page2.h"
#include "pages/performance/my_page1.h"
#include "res/controls.h"
#include "res/resource.h"
#include "ui/restart_prompt.h"

namespace {

constexpr os::Root kMachine = os::Root::LocalMachine;
// "Not found", "access denied", a short buffer, and what a new key under a
// volatile one gives.
constexpr long kCodes[] = {os::error::kFileNotFound, os::error::kAccessDenied,
                           os::error::kMoreData,
                           os::error::kChildMustBeVolatile};
const std::string kTree = "Software\\Quillfeld\\Kvartune\\";

// A PC that has run the program before: two cards, a third one gone, the
// second selected, the start-up entry on, page settings in the card keys.
void Seed(Machine& pc, bool nt) {
  if (nt) {
    pc.UseNT();
    pc.AddBansheeNT("\\Device\\Video0", "Device0");
    pc.AddBansheeNT("\\Device\\Video1", "Device1");
  } else {
    pc.AddBanshee95("0000");
    pc.AddBanshee95("0001", "BUS_02&DEV_00&FUNC_00");
  }
  const std::string cards = kTree + (nt ? "Device\\" : "Display\\");
  const std::string second = nt ? "Video1" : "0001";
  pc.registry.PutText(kMachine, cards + second, "kvartune_override", "0");
  pc.registry.PutText(kMachine, cards + "Gone", "driverdesc", "old card");
  pc.registry.PutText(kMachine, kTree + "common", "selecteddisplay", second);
  pc.registry.PutText(kMachine, kTree + "common", "loadstartup", "1");
  pc.registry.PutText(kMachine, kTree + "common", "loadtray", "1");
  pc.registry.PutText(kMachine, kTree + "common", "startmin", "1");
  pc.registry.PutText(kMachine, "Software\\Microsoft\\DirectX", "Version",
                      "4.06.00.0318");
  pc.registry.PutKey(kMachine,
                     "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\run");
  // A switch of the second card that Default writes otherwise: lost if its
  // group were deleted and then not written.
  const std::string driver =
      nt ? "System\\CurrentControlSet\\Services\\banshee\\Device1"
         : "System\\CurrentControlSet\\Services\\Class\\Display\\0001";
  pc.registry.PutText(kMachine, driver + "\\D3D", "SSTH3_ANTIALIAS", "0");
}

void ExpectManaged(Machine& pc, const std::string& before,
                   const std::string& after);

std::vector<managed::Value> ManagedSet(Machine& pc) {
  const std::string family = OsFamily(pc.system);
  bool complete = false;
  return managed::Values(family, PresentCards(pc.registry, family, complete));
}

bool Start(os::Services& services, fakes::FakeSheet& sheet) {
  CTweakApp app(services, sheet);
  return app.StartUp();
}

struct Failing {
  explicit Failing(Machine& pc) : registry(pc.registry) {}
  fakes::FailingRegistry registry;
  os::Services services(Machine& pc) {
    return {registry, pc.system, pc.files, pc.shell, pc.power, pc.display};
  }
};

// No message but the not-found one, or the question about the driver's
// clocks and the restart question or what could not be written.
bool Silent(const Machine& pc) {
  for (const fakes::ShownMessage& message : pc.shell.messages)
    if (message.text != kNotFoundMessage && message.text != kNoDriverQuestion &&
        message.text != ui::kRestartQuestion &&
        message.text.rfind(settings::kIncomplete, 0) != 0)
      return false;
  return true;
}

// A start that misses a card (a read of its PCI instance failed) removes
// its card key with the page settings in it, and one that cannot read the
// selection selects the first card: what the next start cannot bring back.
std::string WithoutLosable(const std::string& dump) {
  std::string kept;
  std::size_t at = 0;
  while (at < dump.size()) {
    const std::size_t end = dump.find('\n', at) + 1;
    const std::string line = dump.substr(at, end - at);
    if (line.rfind("selecteddisplay ", 0) != 0 &&
        line.rfind("kvartune_override ", 0) != 0)
      kept += line;
    at = end;
  }
  return kept;
}

using SeedFunction = void (*)(Machine&, bool);

// The PC of Seed after a start, its Banshee drivers no longer running (VGA
// mode, Safe Mode); its user takes the driver's own clocks, no restart.
void SeedWithoutDriver(Machine& pc, bool nt) {
  Seed(pc, nt);
  Start(pc.services, pc.sheet);
  pc.NoDriverRuns();
  pc.shell.answers = {os::Answer::Yes, os::Answer::No};
}

// The calls of one start, counted on a start without failures.
std::size_t StartCalls(SeedFunction seed, bool nt) {
  Machine pc;
  seed(pc, nt);
  Failing failing(pc);
  os::Services services = failing.services(pc);
  Start(services, pc.sheet);
  return failing.registry.Calls();
}

// Whatever call of a start fails, the start ends without a crash and without
// a message beyond its own, leaves no key open, and the next start leaves
// the registry as a start without failures does, but for the settings a
// start that missed a card loses with it.
TEST(RegistryFailure, EveryCallOfAStart) {
  const std::pair<bool, SeedFunction> pcs[] = {
      {false, Seed}, {true, Seed}, {false, SeedWithoutDriver},
      {true, SeedWithoutDriver}};
  for (const auto& [nt, seed] : pcs) {
    Machine clean;
    seed(clean, nt);
    const std::string seeded = clean.registry.Dump();
    EXPECT_EQ(seed == Seed, Start(clean.services, clean.sheet));
    const std::string expected = clean.registry.Dump();
    ExpectManaged(clean, seeded, expected);
    const std::string restorePoint = RestorePointPath(clean.system);
    ASSERT_EQ(1u, clean.files.contents.count(restorePoint));
    // A restore point that cannot be written changes nothing of the start.
    Machine locked;
    seed(locked, nt);
    locked.files.readOnly.insert(restorePoint);
    EXPECT_EQ(seed == Seed, Start(locked.services, locked.sheet));
    EXPECT_EQ(clean.shell.messages.size(), locked.shell.messages.size());
    EXPECT_EQ(expected, locked.registry.Dump());
    const std::size_t calls = StartCalls(seed, nt);
    ASSERT_GT(calls, 40u);
    std::printf("%s start%s: %zu calls, each failed in turn\n",
                nt ? "NT" : "98", seed == Seed ? "" : " without driver", calls);
    for (long code : kCodes) {
      for (std::size_t n = 1; n <= calls; ++n) {
        Machine pc;
        seed(pc, nt);
        Failing failing(pc);
        failing.registry.FailCall(n, code);
        os::Services services = failing.services(pc);
        Start(services, pc.sheet);
        SCOPED_TRACE(testing::Message() << (nt ? "NT" : "98") << " call " << n
                                        << " fails with " << code);
        // A restore point is whole or not there; a failed read that says
        // "not found" cannot be told from a missing value.
        if (code != os::error::kFileNotFound &&
            pc.files.contents.count(restorePoint) == 1) {
          EXPECT_EQ(clean.files.contents[restorePoint],
                    pc.files.contents[restorePoint]);
        }
        EXPECT_EQ(0u, pc.registry.OpenHandles());
        EXPECT_TRUE(Silent(pc));
        pc.shell.answers = {os::Answer::Yes, os::Answer::No};
        fakes::FakeSheet next;
        EXPECT_EQ(seed == Seed, Start(pc.services, next));
        EXPECT_EQ(WithoutLosable(expected), WithoutLosable(pc.registry.Dump()));
      }
    }
  }
}

// A settings page as a user leaves it before Apply: shown and edited.
struct PageCase {
  const char* name;
  int dialog;
  int apply;
  std::function<std::unique_ptr<ui::SettingsPage>(os::Services&)> make;
  std::function<void(ui::SettingsPage&, fakes::FakeControls&)> edit;
  // The messages its Apply may show.
  std::set<std::string> messages;
  // Whether a report leaves Apply (the button pressed) enabled; the
  // Display page's Set greys itself out whatever happened.
  bool enabledAfterReport = true;
};

template <typename Page>
std::unique_ptr<ui::SettingsPage> Make(os::Services& services) {
  return std::make_unique<Page>(services);
}

void Click(ui::SettingsPage& page, int id) { page.OnCommand(id, ui::kClicked); }

// Another card chosen, the tray icon and so "Start minimized" turned off,
// start with Windows off; the override flag stays on, so that the clean-up
// runs for both cards.
void EditConfiguration(ui::SettingsPage& page, fakes::FakeControls& controls) {
  controls.SetCurrentIndex(IDC_CARD_COMBO, 0);
  page.OnCommand(IDC_CARD_COMBO, ui::kSelectionChange);
  for (int box : {IDC_LOAD_TRAY, IDC_LOAD_AT_STARTUP}) {
    controls.SetCheck(box, !controls.IsChecked(box));
    Click(page, box);
  }
}

// The other pages: the driver's defaults, which delete and write most of
// what the page keeps.
std::function<void(ui::SettingsPage&, fakes::FakeControls&)> Defaults(
    int button) {
  return [button](ui::SettingsPage& page, fakes::FakeControls&) {
    Click(page, button);
  };
}

const PageCase kPages[] = {
    {"Configuration", IDD_CONFIGURATION, IDC_CONFIG_APPLY, Make<CMyPage4>,
     EditConfiguration, {}},
    {"Performance", IDD_PERFORMANCE, IDC_PERF_APPLY, Make<CMyPage1>,
     Defaults(IDC_PERF_DEFAULT), {ui::kRestartQuestion}},
    {"Option", IDD_OPTION, IDC_OPTION_APPLY, Make<CMyPage2>,
     Defaults(IDC_OPTION_DEFAULT),
     {ui::kRestartQuestion, memory_size::kWideDesktopMessage}},
    {"Display", IDD_DISPLAY, IDC_DISPLAY_APPLY, Make<CMyPage3>,
     Defaults(IDC_DISPLAY_DEFAULT),
     {kRefreshWillChangeMessage, kKeepRefreshMessage,
      kCannotChangeRefreshMessage, kCannotSetModeMessage, kKeepModeMessage}},
    {"Display Set", IDD_DISPLAY, IDC_MODE_SET, Make<CMyPage3>,
     [](ui::SettingsPage&, fakes::FakeControls&) {},
     {kRefreshWillChangeMessage, kKeepRefreshMessage,
      kCannotChangeRefreshMessage, kCannotSetModeMessage, kKeepModeMessage},
     false},
};

struct EditedPage {
  EditedPage(const PageCase& shown, os::Services& services)
      : page(shown.make(services)), apply(shown.apply) {
    DeclareDialog(controls, shown.dialog);
    page->Bind(controls);
    page->OnInitDialog();
    page->OnSetActive();
    shown.edit(*page, controls);
  }
  void Apply() { Click(*page, apply); }

  fakes::FakeControls controls;
  std::unique_ptr<ui::SettingsPage> page;
  int apply;
};

// A fresh page's life: shown from the registry, as the next load does.
void Load(const PageCase& shown, os::Services& services) {
  fakes::FakeControls controls;
  DeclareDialog(controls, shown.dialog);
  std::unique_ptr<ui::SettingsPage> page = shown.make(services);
  page->Bind(controls);
  page->OnInitDialog();
  page->OnSetActive();
}

// Each value of a registry dump by its key and name; each key as itself.
std::map<std::string, std::string> Values(const std::string& dump) {
  std::map<std::string, std::string> values;
  std::string key;
  std::size_t at = 0;
  while (at < dump.size()) {
    const std::size_t end = dump.find('\n', at);
    const std::string line = dump.substr(at, end - at);
    at = end + 1;
    if (line[0] == '[') {
      key = line;
      values[key] = "";
    } else {
      const std::size_t space = line.find(' ');
      values[key + line.substr(0, space)] = line.substr(space);
    }
  }
  return values;
}

// Every key and value under HKEY_LOCAL_MACHINE, where the pages load from, is
// as it was before the Apply or as a whole Apply leaves it, so that nothing
// is half-written. The Windows NT user environment is left out: a failed
// read of the card's override flag counts it as on, as a missing one does,
// and so that Apply rightly writes the environment.
void ExpectOldOrNew(const std::string& before, const std::string& applied,
                    const std::string& failed) {
  const auto old = Values(before), whole = Values(applied),
             now = Values(failed);
  std::set<std::string> all;
  for (const auto* values : {&old, &whole, &now})
    for (const auto& entry : *values) all.insert(entry.first);
  for (const std::string& entry : all) {
    if (entry.rfind("[HKLM", 0) != 0) continue;
    const auto state = [&entry](const std::map<std::string, std::string>& of) {
      const auto found = of.find(entry);
      return found == of.end() ? std::string("absent") : found->second;
    };
    EXPECT_TRUE(state(now) == state(old) || state(now) == state(whole))
        << entry << ": " << state(now) << ", was " << state(old)
        << ", a whole Apply leaves " << state(whole);
  }
}

// Every value that changed outside the program's own tree is one of the
// managed set, which the restore point keeps: a value a page or a start
// writes or deletes without it being listed there fails here.
void ExpectManaged(Machine& pc, const std::string& before,
                   const std::string& after) {
  const std::vector<managed::Value> set = ManagedSet(pc);
  const auto old = Values(before), now = Values(after);
  std::set<std::string> all;
  for (const auto* values : {&old, &now})
    for (const auto& entry : *values) all.insert(entry.first);
  for (const std::string& entry : all) {
    const std::size_t close = entry.find(']');
    if (close + 1 == entry.size() ||
        entry.rfind("[HKLM\\Software\\Quillfeld", 0) == 0 ||
        (old.count(entry) == 1 && now.count(entry) == 1 &&
         old.at(entry) == now.at(entry)))
      continue;
    const os::Root root = entry.rfind("[HKCU", 0) == 0 ? os::Root::CurrentUser
                                                      : os::Root::LocalMachine;
    const std::string key = UpperCase(entry.substr(6, close - 6));
    const std::string name = UpperCase(entry.substr(close + 1));
    bool listed = false;
    for (const managed::Value& value : set)
      listed = listed || (value.root == root && UpperCase(value.key) == key &&
                          UpperCase(value.name) == name);
    EXPECT_TRUE(listed) << entry << " changed but is not in the managed set";
  }
}

bool NotStored(const fakes::ShownMessage& message) {
  return message.text.rfind(settings::kNotStoredStart, 0) == 0;
}

std::size_t NotStoredReports(const Machine& pc) {
  std::size_t reports = 0;
  for (const fakes::ShownMessage& message : pc.shell.messages)
    reports += NotStored(message) ? 1 : 0;
  return reports;
}

// Besides the report of what could not be stored; a question that answers
// itself shows its countdown below its text.
bool OnlyMessages(const Machine& pc, const std::set<std::string>& allowed) {
  for (const fakes::ShownMessage& message : pc.shell.messages) {
    bool known = NotStored(message);
    for (const std::string& text : allowed)
      known = known || message.text.rfind(text, 0) == 0;
    if (!known) return false;
  }
  return true;
}

// A PC after a start, for a page's Apply.
void Started(Machine& pc, bool nt) {
  Seed(pc, nt);
  Start(pc.services, pc.sheet);
  pc.shell.messages.clear();
}

// Whatever call of a page's Apply fails, nothing crashes, no message but the
// page's own appears, and one report when the call lost a write (Apply and
// Reset then stay enabled), no key stays open, each key and value is as
// before the Apply or as a whole Apply leaves it, the next load of the page
// is silent, and the next start can still be reached (shown or with its tray
// icon).
TEST(PageFailure, EveryCallOfAnApply) {
  for (const PageCase& shown : kPages) {
    for (bool nt : {false, true}) {
      Machine clean;
      Started(clean, nt);
      const std::string before = clean.registry.Dump();
      std::size_t calls = 0;
      {
        Failing failing(clean);
        os::Services services = failing.services(clean);
        EditedPage edited(shown, services);
        const std::size_t start = failing.registry.Calls();
        edited.Apply();
        calls = failing.registry.Calls() - start;
      }
      const std::string applied = clean.registry.Dump();
      ExpectManaged(clean, before, applied);
      ASSERT_GT(calls, 1u) << shown.name;
      std::printf("%s Apply on %s: %zu calls, each failed in turn\n",
                  shown.name, nt ? "NT" : "98", calls);
      for (long code : kCodes) {
        for (std::size_t n = 1; n <= calls; ++n) {
          Machine pc;
          Started(pc, nt);
          Failing failing(pc);
          os::Services services = failing.services(pc);
          EditedPage edited(shown, services);
          failing.registry.FailCall(failing.registry.Calls() + n, code);
          edited.Apply();
          SCOPED_TRACE(testing::Message()
                       << shown.name << (nt ? " NT" : " 98") << " call " << n
                       << " fails with " << code);
          EXPECT_EQ(0u, pc.registry.OpenHandles());
          EXPECT_TRUE(OnlyMessages(pc, shown.messages));
          const std::size_t reports = NotStoredReports(pc);
          EXPECT_EQ(failing.registry.FailedAWrite() ? 1u : 0u, reports);
          if (shown.enabledAfterReport) {
            EXPECT_EQ(reports == 1, edited.controls.IsEnabled(shown.apply));
          }
          ExpectOldOrNew(before, applied, pc.registry.Dump());
          pc.shell.messages.clear();
          Load(shown, pc.services);
          EXPECT_TRUE(pc.shell.messages.empty());
          EXPECT_EQ(0u, pc.registry.OpenHandles());
          fakes::FakeSheet sheet;
          EXPECT_TRUE(Start(pc.services, sheet));
          EXPECT_TRUE(sheet.visible || sheet.trayIcon);
        }
      }
    }
  }
}

// The managed set of the PC as a registry file.
std::string ManagedState(Machine& pc) {
  std::vector<regedit::Entry> entries;
  settings::Snapshot(pc.registry, ManagedSet(pc), entries);
  return regedit::Write(entries);
}

constexpr char kExported[] = "C:\\exported.reg";

// A PC with values of the managed set that neither a user nor another tool
// should lose to the program (the drivers', the vendor's per-user ones, the
// user environment), changed by a first start, an export and a Performance
// Apply of the driver's defaults; returns the state the command is to bring
// back.
std::string Changed(Machine& pc, bool nt, const std::string& tail) {
  constexpr os::Root kUser = os::Root::CurrentUser;
  const std::string base =
      nt ? "System\\CurrentControlSet\\Services\\banshee\\Device0"
         : "System\\CurrentControlSet\\Services\\Class\\Display\\0000";
  if (nt) {
    pc.UseNT();
    pc.AddBansheeNT("\\Device\\Video0", "Device0");
    pc.registry.PutDword(kMachine, base, "graphicsclocking", 95);
    pc.registry.PutText(kUser, "Environment", "SSTH3_ANTIALIAS", "0");
  } else {
    pc.AddBanshee95("0000");
    pc.registry.PutText(kMachine, base, "SSTH3_SWAPINTERVAL", "0");
    pc.registry.PutText(kMachine, base + "\\DEFAULT", "grxClock", "95");
    pc.registry.PutText(kUser, base + "\\Glide", "FX_GLIDE_NO_SPLASH", "1");
  }
  pc.registry.PutText(kMachine, base, "SSTH3_LDELAY", "1");
  pc.registry.PutText(kMachine, base + "\\D3D", "SSTH3_ANTIALIAS", "0");
  const std::string before = ManagedState(pc);
  Start(pc.services, pc.sheet);
  EXPECT_EQ(0, CTweakApp(pc.services, pc.sheet)
                   .RunCommand(std::string("/export ") + kExported));
  EXPECT_EQ(0, CTweakApp(pc.services, pc.sheet).RunCommand("/saveprofile P"));
  const std::string exported = ManagedState(pc);
  EditedPage(kPages[1], pc.services).Apply();
  pc.shell.messages.clear();
  if (tail.find("/run") != std::string::npos) return ManagedState(pc);
  return tail.rfind("/restore", 0) == 0 ? before : exported;
}

// Without failures a restore brings back every managed value as it was
// before the first start, an import as it was at the export, and a run with
// a profile as it was before the run. Whatever call fails, nothing crashes,
// no key stays open, a command that reports success has done all of it, and
// each key and value is otherwise as before or as the whole command leaves
// it; what a run could not put back, the next start does.
TEST(SettingsFailure, EveryCallOfARestoreAnImportAndARun) {
  const std::string tails[] = {"/restore /quiet",
                               std::string("/import ") + kExported + " /quiet",
                               "/quiet /profile P /run C:\\p.exe"};
  for (bool nt : {false, true}) {
    for (const std::string& tail : tails) {
      SCOPED_TRACE(tail + (nt ? " NT" : " 98"));
      Machine clean;
      const std::string target = Changed(clean, nt, tail);
      // What the command changes: the state before it, or during the run.
      std::string changed = ManagedState(clean);
      clean.shell.program = [&] { changed = ManagedState(clean); };
      const std::string before = clean.registry.Dump();
      std::size_t calls = 0;
      {
        Failing failing(clean);
        os::Services services = failing.services(clean);
        EXPECT_EQ(0, CTweakApp(services, clean.sheet).RunCommand(tail));
        calls = failing.registry.Calls();
      }
      EXPECT_TRUE(target != changed);
      EXPECT_TRUE(target == ManagedState(clean));
      const std::string whole = clean.registry.Dump();
      for (long code : {os::error::kAccessDenied, os::error::kFileNotFound}) {
        for (std::size_t n = 1; n <= calls; ++n) {
          Machine pc;
          Changed(pc, nt, tail);
          Failing failing(pc);
          failing.registry.FailCall(n, code);
          os::Services services = failing.services(pc);
          const int exitCode = CTweakApp(services, pc.sheet).RunCommand(tail);
          SCOPED_TRACE(testing::Message() << "call " << n << " fails with "
                                          << code);
          EXPECT_EQ(0u, pc.registry.OpenHandles());
          EXPECT_TRUE(pc.shell.messages.empty());
          // A removal that fails with "not found" cannot be told from one of a
          // value that is not there.
          if (exitCode == 0 && code != os::error::kFileNotFound) {
            EXPECT_TRUE(target == ManagedState(pc));
          } else if (exitCode != 0 && tail.find("/run") != std::string::npos) {
            CTweakApp(pc.services, pc.sheet).RunCommand("/export C:\\a.reg");
            EXPECT_TRUE(target == ManagedState(pc));
          } else if (exitCode != 0) {
            ExpectOldOrNew(before, whole, pc.registry.Dump());
          }
        }
      }
    }
  }
}

// The part of a registry dump under HKEY_LOCAL_MACHINE.
std::string MachinePart(const std::string& dump) {
  return dump.substr(0, dump.find("[HKCU"));
}

// Without administrator rights Windows NT lets the program read the
// machine's keys but not change them. On a PC where an administrator ran it
// before, a start says so in one message and ends; every settings page
// still finds the cards, and its Apply changes nothing there, says once what
// it could not store and why, keeps Apply enabled and leaves no key open.
TEST(NoAdministratorRights, StartAndEveryPage) {
  Machine pc;
  Started(pc, true);
  const std::string before = MachinePart(pc.registry.Dump());
  Failing failing(pc);
  failing.registry.DenyWrites(kMachine, os::error::kAccessDenied);
  os::Services services = failing.services(pc);
  EXPECT_FALSE(Start(services, pc.sheet));
  ASSERT_EQ(1u, pc.shell.messages.size());
  EXPECT_EQ(kNeedsAdministratorMessage, pc.shell.messages.front().text);
  for (const PageCase& shown : kPages) {
    SCOPED_TRACE(shown.name);
    EditedPage edited(shown, services);
    if (shown.dialog == IDD_CONFIGURATION) {
      EXPECT_EQ(2, edited.controls.ItemCount(IDC_CARD_COMBO));
    }
    pc.shell.messages.clear();
    edited.Apply();
    EXPECT_TRUE(OnlyMessages(pc, shown.messages));
    ASSERT_EQ(1u, NotStoredReports(pc));
    EXPECT_NE(std::string::npos,
              pc.shell.messages.back().text.find(settings::kCauseNT));
    EXPECT_EQ(shown.enabledAfterReport,
              edited.controls.IsEnabled(shown.apply));
    EXPECT_EQ(before, MachinePart(pc.registry.Dump()));
    EXPECT_EQ(0u, pc.registry.OpenHandles());
  }
}

}  // namespace
