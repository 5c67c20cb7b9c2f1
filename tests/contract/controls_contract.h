#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ui/controls.h"

// One suite, run against the in-memory controls and against a real dialog
// under Wine, so that the fake keeps the real controls' behaviour.

// The contract's dialog holds these controls.
inline constexpr int kCheckId = 101;     // check box
inline constexpr int kEditId = 102;      // edit
inline constexpr int kListId = 103;      // drop-down list combo, sorted
inline constexpr int kDropDownId = 104;  // drop-down combo with an edit field
inline constexpr int kButtonId = 105;    // push button showing a bitmap

struct ControlsUnderTest {
  std::string name;
  std::function<std::unique_ptr<ui::Controls>()> make;
  // The control that holds the keyboard focus, if any.
  std::function<std::optional<int>(ui::Controls&)> focused;
};

void PrintTo(const ControlsUnderTest& controls, std::ostream* out);
std::string ControlsName(
    const ::testing::TestParamInfo<ControlsUnderTest>& info);

// The in-memory controls, declared like the contract's dialog.
ControlsUnderTest FakeControlsUnderTest();

class ControlsContract : public ::testing::TestWithParam<ControlsUnderTest> {
 protected:
  void SetUp() override { controls_ = GetParam().make(); }
  std::optional<int> Focused() { return GetParam().focused(*controls_); }
  std::vector<std::string> Items(int id);

  std::unique_ptr<ui::Controls> controls_;
};
