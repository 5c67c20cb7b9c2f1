#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "machine.h"
#include "page_fixture.h"
#include "pages/performance/my_page1.h"
#include "registry_log.h"
#include "res/controls.h"

inline const std::string kCommon = "Software\\Quillfeld\\Kvartune\\common";
inline const std::string kDisplayCards = "Software\\Quillfeld\\Kvartune\\Display\\";
inline const std::string kDeviceCards = "Software\\Quillfeld\\Kvartune\\Device\\";
inline const std::string kDriver =
    "System\\CurrentControlSet\\Services\\Class\\Display\\";
inline const std::string kDevice =
    "System\\CurrentControlSet\\Services\\banshee\\Device0";

// The Performance page on a PC of fakes, its registry writes logged.
class PerformanceTest : public ::testing::Test, protected Machine {
 protected:
  void SetUp() override { DeclareDialog(controls, 1000); }

  // Windows 95/98 with the cards 0000 and 0002, `selected` chosen.
  void Cards95(const std::string& selected = "0000") {
    for (const char* card : {"0000", "0002"})
      registry.PutText(kMachine, kDisplayCards + card, "driverdesc",
                       "3Dfx Voodoo Banshee");
    registry.PutText(kMachine, kCommon, "selecteddisplay", selected);
  }
  // Windows NT with the card Video1 and its device key.
  void CardNT(const std::string& devicePath = kDevice) {
    UseNT();
    registry.PutText(kMachine, kDeviceCards + "Video1",
                     "DevicePath", devicePath);
    registry.PutText(kMachine, kCommon, "selecteddisplay", "Video1");
  }
  CMyPage1& Show() {
    page = std::make_unique<CMyPage1>(logged);
    page->Bind(controls);
    page->OnInitDialog();
    page->OnSetActive();
    log.writes.clear();
    return *page;
  }
  void Click(int id) { page->OnCommand(id, 0); }
  void Toggle(int id) {
    controls.SetCheck(id, !controls.IsChecked(id));
    Click(id);
  }
  void Step(int spin, int delta) { page->OnDeltaPos(spin, delta); }
  bool ApplyEnabled() {
    const bool apply = controls.IsEnabled(IDC_PERF_APPLY);
    EXPECT_EQ(apply, controls.IsEnabled(IDC_PERF_RESET));
    return apply;
  }

  RegistryLog log{registry};
  os::Services logged{log, system, files, shell, power};
  fakes::FakeControls controls;
  std::unique_ptr<CMyPage1> page;
};
