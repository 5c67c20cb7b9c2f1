#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "machine.h"
#include "page_fixture.h"
#include "ui/property_page.h"

// The keys the page tests seed and read.
inline const std::string kCommon = "Software\\Quillfeld\\Kvartune\\common";
inline const std::string kDisplayCards =
    "Software\\Quillfeld\\Kvartune\\Display\\";
inline const std::string kDeviceCards =
    "Software\\Quillfeld\\Kvartune\\Device\\";
inline const std::string kDriver =
    "System\\CurrentControlSet\\Services\\Class\\Display\\";

// A settings page on a PC of fakes, with its dialog declared from its table
// and the user's clicks on it. Apply and Reset are enabled together.
template <class Page>
class PageTest : public ::testing::Test, protected Machine {
 protected:
  PageTest(int dialog, int apply, int reset)
      : dialog_(dialog), apply_(apply), reset_(reset) {
    DeclareDialog(controls, dialog);
  }

  // A new PC, dialog and page, for the next case of a table.
  void Fresh() {
    page.reset();
    registry = {};
    system = {};
    files = {};
    shell = {};
    power = {};
    display = {};
    controls = {};
    DeclareDialog(controls, dialog_);
  }
  Page& Show() {
    page = std::make_unique<Page>(*pageServices);
    page->Bind(controls);
    page->OnInitDialog();
    page->OnSetActive();
    return *page;
  }
  void Click(int id) { page->OnCommand(id, ui::kClicked); }
  void Toggle(int id) {
    controls.SetCheck(id, !controls.IsChecked(id));
    Click(id);
  }
  void Choose(int list, int index) {
    controls.SetCurrentIndex(list, index);
    page->OnCommand(list, ui::kSelectionChange);
  }
  bool ApplyEnabled() {
    const bool apply = controls.IsEnabled(apply_);
    EXPECT_EQ(apply, controls.IsEnabled(reset_));
    return apply;
  }

  // What the page is built on: the PC's services unless a test routes them.
  os::Services* pageServices = &services;
  fakes::FakeControls controls;
  std::unique_ptr<Page> page;

 private:
  int dialog_, apply_, reset_;
};
