// Registry calls that fail: one call at a time, at every call of a start and
// of a Configuration page Apply, and every open under HKEY_LOCAL_MACHINE for
// an account without administrator rights.
#include <gtest/gtest.h>

#include "app/card_detection.h"
#include "app/tweak_app.h"
#include "fakes/failing_registry.h"
#include "machine.h"
#include "page_fixture.h"
#include "pages/configuration/my_page4.h"
#include "res/controls.h"

namespace {

constexpr os::Root kMachine = os::Root::LocalMachine;
constexpr long kCodes[] = {os::error::kFileNotFound, os::error::kAccessDenied,
                           os::error::kMoreData};
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

bool Silent(const Machine& pc, bool notFoundAllowed) {
  return pc.shell.messages.empty() ||
         (notFoundAllowed && pc.shell.messages.size() == 1 &&
          pc.shell.messages.front().text == kNotFoundMessage);
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

// The calls of one start, counted on a start without failures.
std::size_t StartCalls(bool nt) {
  Machine pc;
  Seed(pc, nt);
  Failing failing(pc);
  os::Services services = failing.services(pc);
  Start(services, pc.sheet);
  return failing.registry.Calls();
}

// Whatever call of a start fails, the start ends without a crash and without
// a message beyond the not-found one, leaves no key open, and the next start
// leaves the registry as a start without failures does, but for the settings
// a start that missed a card loses with it.
TEST(RegistryFailure, EveryCallOfAStart) {
  for (bool nt : {false, true}) {
    Machine clean;
    Seed(clean, nt);
    Start(clean.services, clean.sheet);
    const std::string expected = clean.registry.Dump();
    const std::size_t calls = StartCalls(nt);
    ASSERT_GT(calls, 50u);
    std::printf("%s start: %zu calls, each failed in turn\n", nt ? "NT" : "98",
                calls);
    for (long code : kCodes) {
      for (std::size_t n = 1; n <= calls; ++n) {
        Machine pc;
        Seed(pc, nt);
        Failing failing(pc);
        failing.registry.FailCall(n, code);
        os::Services services = failing.services(pc);
        Start(services, pc.sheet);
        SCOPED_TRACE(testing::Message() << (nt ? "NT" : "98") << " call " << n
                                        << " fails with " << code);
        EXPECT_EQ(0u, pc.registry.OpenHandles());
        EXPECT_TRUE(Silent(pc, true));
        fakes::FakeSheet next;
        EXPECT_TRUE(Start(pc.services, next));
        EXPECT_EQ(WithoutLosable(expected), WithoutLosable(pc.registry.Dump()));
      }
    }
  }
}

// The Configuration page over a registry: shown, another card chosen, the
// tray icon and so "Start minimized" turned off, start with Windows off; the
// override flag stays on, so that the clean-up runs for both cards.
struct EditedPage {
  explicit EditedPage(os::Services& services) : page(services) {
    DeclareDialog(controls, 1003);
    page.Bind(controls);
    page.OnInitDialog();
    page.OnSetActive();
    controls.SetCurrentIndex(IDC_CARD_COMBO, 0);
    page.OnCommand(IDC_CARD_COMBO, ui::kSelectionChange);
    for (int box : {IDC_LOAD_TRAY, IDC_LOAD_AT_STARTUP}) {
      controls.SetCheck(box, !controls.IsChecked(box));
      page.OnCommand(box, ui::kClicked);
    }
  }
  void Apply() { page.OnCommand(IDC_CONFIG_APPLY, ui::kClicked); }

  fakes::FakeControls controls;
  CMyPage4 page;
};

// Whatever call of the Apply fails, nothing crashes, no message appears, no
// key stays open, and the next start can still be reached: shown or with its
// tray icon.
TEST(ConfigurationFailure, EveryCallOfAnApply) {
  std::size_t calls = 0;
  {
    Machine pc;
    Seed(pc, false);
    Start(pc.services, pc.sheet);
    Failing failing(pc);
    os::Services services = failing.services(pc);
    EditedPage edited(services);
    const std::size_t before = failing.registry.Calls();
    edited.Apply();
    calls = failing.registry.Calls() - before;
  }
  ASSERT_GT(calls, 20u);
  std::printf("Configuration Apply: %zu calls, each failed in turn\n", calls);
  for (long code : kCodes) {
    for (std::size_t n = 1; n <= calls; ++n) {
      Machine pc;
      Seed(pc, false);
      Start(pc.services, pc.sheet);
      Failing failing(pc);
      os::Services services = failing.services(pc);
      EditedPage edited(services);
      failing.registry.FailCall(failing.registry.Calls() + n, code);
      edited.Apply();
      SCOPED_TRACE(testing::Message()
                   << "call " << n << " fails with " << code);
      EXPECT_EQ(0u, pc.registry.OpenHandles());
      EXPECT_TRUE(Silent(pc, false));
      fakes::FakeSheet next;
      EXPECT_TRUE(Start(pc.services, next));
      EXPECT_TRUE(next.visible || next.trayIcon);
    }
  }
}

// Without administrator rights no key under HKEY_LOCAL_MACHINE opens. On
// Windows 98 the start ends silently, on Windows NT with the not-found
// message; the Configuration page shows no card, stores nothing and shows no
// message. Nothing is written anywhere.
TEST(NoAdministratorRights, StartAndConfigurationPage) {
  for (bool nt : {false, true}) {
    SCOPED_TRACE(nt ? "NT" : "98");
    Machine pc;
    Seed(pc, nt);
    const std::string before = pc.registry.Dump();
    Failing failing(pc);
    failing.registry.DenyRoot(kMachine, os::error::kAccessDenied);
    os::Services services = failing.services(pc);
    EXPECT_FALSE(Start(services, pc.sheet));
    ASSERT_EQ(nt ? 1u : 0u, pc.shell.messages.size());
    if (nt) {
      EXPECT_EQ(kNotFoundMessage, pc.shell.messages.front().text);
    }
    pc.shell.messages.clear();

    fakes::FakeControls controls;
    DeclareDialog(controls, 1003);
    CMyPage4 page(services);
    page.Bind(controls);
    page.OnInitDialog();
    page.OnSetActive();
    EXPECT_EQ(0, controls.ItemCount(IDC_CARD_COMBO));
    for (int box : {IDC_APPLY_ALL, IDC_LOAD_TRAY, IDC_LOAD_AT_STARTUP,
                    IDC_OVERRIDE_VENDOR}) {
      controls.SetCheck(box, !controls.IsChecked(box));
      page.OnCommand(box, ui::kClicked);
    }
    page.OnCommand(IDC_CONFIG_DEFAULT, ui::kClicked);
    page.OnCommand(IDC_CONFIG_APPLY, ui::kClicked);
    EXPECT_TRUE(pc.shell.messages.empty());
    EXPECT_EQ(before, pc.registry.Dump());
    EXPECT_EQ(0u, pc.registry.OpenHandles());
    std::printf("%s without rights: %zu opens denied\n", nt ? "NT" : "98",
                failing.registry.DeniedOpens());
  }
}

}  // namespace
