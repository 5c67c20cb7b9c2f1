#include "contract/registry_contract.h"
#include "fakes/fake_registry.h"
#include "os/win32/win32_registry.h"

INSTANTIATE_TEST_SUITE_P(
    BothRegistries, RegistryContract,
    ::testing::Values(
        RegistryUnderTest{
            "Fake", [] { return std::make_unique<fakes::FakeRegistry>(); }},
        RegistryUnderTest{
            "Wine", [] { return std::make_unique<os::Win32Registry>(); }}),
    RegistryName);
