#pragma once

#include <string>

#include "page_test.h"
#include "pages/performance/my_page1.h"
#include "registry_log.h"
#include "res/controls.h"

inline const std::string kDevice =
    "System\\CurrentControlSet\\Services\\banshee\\Device0";

// The Performance page on a PC of fakes, its registry writes logged.
class PerformanceTest : public PageTest<CMyPage1> {
 protected:
  PerformanceTest() : PageTest(1000, IDC_PERF_APPLY, IDC_PERF_RESET) {
    pageServices = &logged;
  }
  // Windows 95/98 with the cards 0000 and 0002, `selected` chosen.
  void Cards95(const std::string& selected = "0000") {
    for (const char* card : {"0000", "0002"})
      registry.PutText(kMachine, kDisplayCards + card, "driverdesc",
                       "3Dfx Voodoo Banshee");
    PutCommon("selecteddisplay", selected);
  }
  // Windows NT with the card Video1 and its device key.
  void CardNT(const std::string& devicePath = kDevice) {
    UseNT();
    registry.PutText(kMachine, kDeviceCards + "Video1",
                     "DevicePath", devicePath);
    PutCommon("selecteddisplay", "Video1");
  }
  // Clock mode "1" for the card of this key.
  void UseClock(const std::string& cardKey) {
    registry.PutText(kMachine, cardKey, "kvartune_useclock", "1");
  }
  // The page loaded, with the log of its load dropped.
  CMyPage1& Show() {
    PageTest::Show();
    log.writes.clear();
    return *page;
  }
  void Step(int spin, int delta) { page->OnDeltaPos(spin, delta); }

  RegistryLog log{registry};
  os::Services logged{log, system, files, shell, power, display};
};
