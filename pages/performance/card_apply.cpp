#include "pages/performance/card_apply.h"

#include <vector>

#include "machine/managed_set.h"
#include "pages/performance/switches.h"
#include "store/delete.h"
#include "store/flags.h"
#include "store/names.h"
#include "store/registry_key.h"
#include "store/single_value.h"

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
  DeleteValues(registry, os::kMachine, keys.clock, {core, memory, kMemLatency});
  if (write) {
    CRegistryKey key(registry);
    if (key.Open(os::kMachine, keys.clock) == os::error::kSuccess) {
      for (auto [name, clock] : {std::pair{core, choices.core},
                                 std::pair{memory, choices.memory}}) {
        if (clock == kDefaultClock) continue;
        if (choices.nt)
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
  if (!write) {
    WriteText(registry, keys.program, kUseClock, flags::Text(false));
    return;
  }
  CRegistryKey key(registry);
  if (key.Open(os::kMachine, keys.glide) != os::error::kSuccess) return;
  if (choices.core != kDefaultClock)
    key.SetText(kGrxClockSwitch, ClockText(choices.core));
  if (choices.memory != kDefaultClock)
    key.SetText(kMemClockSwitch, ClockText(choices.memory));
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
  DeleteValues(registry, root, path, SwitchNames(boxes));
  CRegistryKey key(registry);
  if (key.Open(root, path) != os::error::kSuccess) return;
  for (const auto& [box, checked] : boxes)
    if (const char* text = Written(*box, checked)) key.SetText(box->name, text);
  if (gammas == nullptr) return;
  for (int channel = 0; channel < ui::kChannels; ++channel)
    key.SetText(managed::kGammaValues[channel], (*gammas)[channel]);
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
