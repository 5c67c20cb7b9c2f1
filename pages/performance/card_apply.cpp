#include "pages/performance/card_apply.h"

#include <vector>

#include "machine/card_clocks.h"
#include "machine/managed_set.h"
#include "pages/performance/switches.h"
#include "store/value_group.h"

namespace performance {

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
    clocks::Apply(registry, keys, choices.nt, choices.useClock, choices.core,
                  choices.memory);
  ApplySwitches(registry, os::kMachine, keys.d3d, D3DStates(choices),
                &choices.d3dGamma);
  ApplySwitches(registry, os::kMachine, keys.glide, GlideStates(choices),
                &choices.glideGamma);
}

}  // namespace performance
