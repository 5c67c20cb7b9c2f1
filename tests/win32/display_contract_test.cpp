#include "contract/display_contract.h"
#include "os/win32/win32_display.h"

INSTANTIATE_TEST_SUITE_P(
    BothDisplays, DisplayContract,
    ::testing::Values(FakeDisplayUnderTest(),
                      DisplayUnderTest{"Wine",
                                       [] {
                                         return std::make_unique<
                                             os::Win32Display>();
                                       }}),
    DisplayName);
