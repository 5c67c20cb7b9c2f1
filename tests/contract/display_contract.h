#pragma once

#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "os/display.h"

// One suite, run against the in-memory display settings and against Wine's
// virtual desktop, so that the fake keeps the platform's behaviour. Each
// test leaves the screen in the mode it found. Known difference, not
// compared: Windows can fail a change whose test passed, Wine never does.
struct DisplayUnderTest {
  std::string name;
  std::function<std::unique_ptr<os::Display>()> make;
};

void PrintTo(const DisplayUnderTest& display, std::ostream* out);
std::string DisplayName(const ::testing::TestParamInfo<DisplayUnderTest>& info);

// The fake, holding Wine's mode list.
DisplayUnderTest FakeDisplayUnderTest();

class DisplayContract : public ::testing::TestWithParam<DisplayUnderTest> {
 protected:
  void SetUp() override;
  void TearDown() override;

  std::unique_ptr<os::Display> display_;
  os::ScreenMode found_;
};
