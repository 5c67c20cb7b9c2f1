#include "machine/card_clocks.h"

#include <utility>

#include "machine/os_family.h"
#include "store/delete.h"
#include "store/flags.h"
#include "store/names.h"
#include "store/registry_key.h"
#include "store/single_value.h"

namespace clocks {
namespace {

std::string ClockText(std::uint32_t clock) { return std::to_string(clock); }

}  // namespace

void Apply(os::Registry& registry, const CardKeys& keys, bool nt, bool use,
           std::uint32_t core, std::uint32_t memory) {
  using namespace names;
  const char* coreName = nt ? kGraphicsClocking : kGrxClock;
  const char* memoryName = nt ? kMemClocking : kMemClock;
  DeleteValues(registry, os::kMachine, keys.clock,
               {coreName, memoryName, kMemLatency});
  if (use) {
    CRegistryKey key(registry);
    if (key.Open(os::kMachine, keys.clock) == os::error::kSuccess) {
      for (auto [name, clock] :
           {std::pair{coreName, core}, std::pair{memoryName, memory}}) {
        if (clock == kDefault) continue;
        if (nt)
          key.SetDword(name, clock);
        else
          key.SetText(name, ClockText(clock));
      }
      key.Close();
    }
    WriteText(registry, keys.program, kUseClock, flags::Text(true));
  }
  DeleteValues(registry, os::kMachine, keys.glide,
               {kGrxClockSwitch, kMemClockSwitch});
  if (!use) {
    WriteText(registry, keys.program, kUseClock, flags::Text(false));
    return;
  }
  CRegistryKey key(registry);
  if (key.Open(os::kMachine, keys.glide) != os::error::kSuccess) return;
  if (core != kDefault) key.SetText(kGrxClockSwitch, ClockText(core));
  if (memory != kDefault) key.SetText(kMemClockSwitch, ClockText(memory));
}

void Defaults(os::Registry& registry, const std::string& osFamily,
              const std::vector<managed::Card>& cards) {
  for (const managed::Card& card : cards)
    Apply(registry, KeysOfCard(osFamily, card),
          osFamily != family::kWindows95, false, kDefault, kDefault);
}

}  // namespace clocks
