#pragma once

#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "os/registry.h"

// One suite, run against the in-memory registry and against the real one
// under Wine, so that the fake keeps the real registry's behaviour.
struct RegistryUnderTest {
  std::string name;
  // Sizes texts as Windows 95/98 does, not as NT does.
  bool windows95;
  std::function<std::unique_ptr<os::Registry>()> make;
};

void PrintTo(const RegistryUnderTest& registry, std::ostream* out);

class RegistryContract : public ::testing::TestWithParam<RegistryUnderTest> {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A fresh key below HKEY_LOCAL_MACHINE for this test alone.
  std::string Scratch(const std::string& below = "") const;

  std::unique_ptr<os::Registry> registry_;
  std::string scratch_;
};

std::string RegistryName(
    const ::testing::TestParamInfo<RegistryUnderTest>& info);
