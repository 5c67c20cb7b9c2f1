#include "contract/registry_contract.h"
#include "os/win32/win32_registry.h"

// The fake runs the same suite in the unit tier.
INSTANTIATE_TEST_SUITE_P(
    Wine, RegistryContract,
    ::testing::Values(RegistryUnderTest{
        "Wine", [] { return std::make_unique<os::Win32Registry>(); }}),
    RegistryName);
