#include "machine/card_clocks.h"

#include <tuple>

#include "machine/os_family.h"
#include "store/flags.h"
#include "store/names.h"
#include "store/single_value.h"
#include "store/value_group.h"

namespace clocks {
namespace {

std::string ClockText(std::uint32_t clock) { return std::to_string(clock); }

}  // namespace

void Apply(os::Registry& registry, const CardKeys& keys, bool nt, bool use,
           std::uint32_t core, std::uint32_t memory) {
  using namespace names;
  const char* coreName = nt ? kGraphicsClocking : kGrxClock;
  const char* memoryName = nt ? kMemClocking : kMemClock;
  std::vector<GroupValue> clocks, switches;
  for (auto [name, clock, switchName] :
       {std::tuple{coreName, core, kGrxClockSwitch},
        std::tuple{memoryName, memory, kMemClockSwitch}}) {
    if (!use || clock == kDefault) continue;
    clocks.push_back(nt ? GroupValue::Dword(name, clock)
                        : GroupValue::Text(name, ClockText(clock)));
    switches.push_back(GroupValue::Text(switchName, ClockText(clock)));
  }
  ReplaceGroup(registry, os::kMachine, keys.clock,
               {coreName, memoryName, kMemLatency}, clocks);
  if (use) WriteText(registry, keys.program, kUseClock, flags::Text(true));
  ReplaceGroup(registry, os::kMachine, keys.glide,
               {kGrxClockSwitch, kMemClockSwitch}, switches);
  if (!use) WriteText(registry, keys.program, kUseClock, flags::Text(false));
}

void Defaults(os::Registry& registry, const std::string& osFamily,
              const std::vector<managed::Card>& cards) {
  for (const managed::Card& card : cards)
    Apply(registry, KeysOfCard(osFamily, card),
          osFamily != family::kWindows95, false, kDefault, kDefault);
}

}  // namespace clocks
