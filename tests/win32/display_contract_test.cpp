#include "contract/display_contract.h"
#include "os/win32/win32_display.h"

// The fake runs the same suite in the unit tier.
INSTANTIATE_TEST_SUITE_P(
    Wine, DisplayContract,
    ::testing::Values(DisplayUnderTest{
        "Wine", [] { return std::make_unique<os::Win32Display>(); }}),
    DisplayName);
