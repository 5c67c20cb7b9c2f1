#include "contract/registry_contract.h"
#include "fakes/fake_registry.h"

INSTANTIATE_TEST_SUITE_P(
    InMemory, RegistryContract,
    ::testing::Values(
        RegistryUnderTest{
            "Fake95", true,
            [] { return std::make_unique<fakes::FakeRegistry>(); }},
        RegistryUnderTest{"FakeNT", false,
                          [] {
                            auto nt = std::make_unique<fakes::FakeRegistry>();
                            nt->UseTextRule(fakes::TextRule::NT);
                            return nt;
                          }}),
    RegistryName);
