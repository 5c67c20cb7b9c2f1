#include <windows.h>

#include "contract/registry_contract.h"
#include "os/win32/win32_registry.h"

// The fake runs the same suite in the unit tier, once by each family's
// rules; Wine follows the family its version setting gives this program.
INSTANTIATE_TEST_SUITE_P(
    Wine, RegistryContract,
    ::testing::Values(RegistryUnderTest{
        "Wine", (GetVersion() & 0x80000000) != 0,
        [] { return std::make_unique<os::Win32Registry>(); }}),
    RegistryName);
