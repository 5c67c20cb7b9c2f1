#include "contract/display_contract.h"

INSTANTIATE_TEST_SUITE_P(InMemory, DisplayContract,
                         ::testing::Values(FakeDisplayUnderTest()),
                         DisplayName);
