#include "pages/performance/card_apply.h"

#include <tuple>
#include <vector>

#include "machine/managed_set.h"
#include "pages/performance/switches.h"
#include "store/flags.h"
#include "store/names.h"
#include "store/single_value.h"
#include "store/value_group.h"

namespace performance {
namespace {

std::string ClockText(std::uint32_t clock) { return std::to_string(clock); }

// The clock values "grxClock" and "memClock" (Windows 95/98, texts) or
// "graphicsclocking" and "memclocking" (Windows NT, numbers), and the Glide
// key's clock switches, both sets deleted; then written unless Default.
void ApplyClocks(os::Registry& registry, const CardKeys& keys,
                 const Choices& choices, bool write) {
  using namespace names;
  const char* core = choices.nt ? kGraphicsClocking : kGrxClock;
  const char* memory = choices.nt ? kMemClocking : kMemClock;
  std::vector<GroupValue> clocks, switches;
  for (auto [name, clock, switchName] :
       {std::tuple{core, choices.core, kGrxClockSwitch},
        std::tuple{memory, choices.memory, kMemClockSwitch}}) {
    if (!write || clock == kDefaultClock) continue;
    clocks.push_back(choices.nt ? GroupValue::Dword(name, clock)
                                : GroupValue::Text(name, ClockText(clock)));
    switches.push_back(GroupValue::Text(switchName, ClockText(clock)));
  }
  ReplaceGroup(registry, os::kMachine, keys.clock, {core, memory, kMemLatency},
               clocks);
  if (write) WriteText(registry, keys.program, kUseClock, flags::Text(true));
  ReplaceGroup(registry, os::kMachine, keys.glide,
               {kGrxClockSwitch, kMemClockSwitch}, switches);
  if (!write) WriteText(registry, keys.program, kUseClock, flags::Text(false));
}

}  // namespace

std::vector<const char*> SwitchNames(const SwitchStates& boxes) {
  std::vector<const char*> names;
  for (const auto& state : boxes) names.push_back(state.first->name);
  return names;
}

void ApplySwitches(os::Registry& registry, os::Root root,
                   const std::string& path, const SwitchStates& boxes,
                   const Gammas* gammas) {
  std::vector<GroupValue> written;
  for (const auto& [box, checked] : boxes)
    if (const char* text = Written(*box, checked))
      written.push_back(GroupValue::Text(box->name, text));
  if (gammas != nullptr)
    for (int channel = 0; channel < ui::kChannels; ++channel)
      written.push_back(GroupValue::Text(managed::kGammaValues[channel],
                                         (*gammas)[channel]));
  ReplaceGroup(registry, root, path, SwitchNames(boxes), written);
}

SwitchStates D3DStates(const Choices& choices) {
  SwitchStates boxes;
  for (std::size_t i = 0; i < kD3DSwitches.size(); ++i)
    boxes.emplace_back(&kD3DSwitches[i], choices.d3d[i]);
  return boxes;
}

SwitchStates GlideStates(const Choices& choices) {
  SwitchStates boxes;
  for (std::size_t i = 0; i < kGlideSwitches.size(); ++i)
    boxes.emplace_back(&kGlideSwitches[i], choices.glide[i]);
  if (choices.nt) boxes.emplace_back(&kSplashSwitch, choices.noSplash);
  return boxes;
}

void ApplyCard(os::Registry& registry, const CardKeys& keys,
               const Choices& choices) {
  if (choices.useClock || choices.previousUseClock)
    ApplyClocks(registry, keys, choices, choices.useClock);
  ApplySwitches(registry, os::kMachine, keys.d3d, D3DStates(choices),
                &choices.d3dGamma);
  ApplySwitches(registry, os::kMachine, keys.glide, GlideStates(choices),
                &choices.glideGamma);
}

}  // namespace performance
