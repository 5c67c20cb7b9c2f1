#include "contract/registry_contract.h"
#include "fakes/fake_registry.h"

namespace {

std::unique_ptr<os::Registry> Fake(fakes::TextRule rule) {
  auto registry = std::make_unique<fakes::FakeRegistry>();
  registry->UseTextRule(rule);
  return registry;
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(
    InMemory, RegistryContract,
    ::testing::Values(
        RegistryUnderTest{"Fake95", true,
                          [] { return Fake(fakes::TextRule::Windows95); }},
        RegistryUnderTest{"FakeNT", false,
                          [] { return Fake(fakes::TextRule::NT); }}),
    RegistryName);
