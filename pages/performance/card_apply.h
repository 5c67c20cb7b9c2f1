#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "machine/card_clocks.h"
#include "machine/cards.h"
#include "os/registry.h"
#include "pages/performance/switches.h"
#include "ui/gamma_group.h"

// What the Performance page's Apply writes for one card.
namespace performance {

// A group's red, green and blue gamma texts.
using Gammas = std::array<std::string, ui::kChannels>;

// The page's choices as Apply reads them once, at its start.
struct Choices {
  bool nt = false;
  bool useClock = false;
  // The selected card's clock mode before this Apply.
  bool previousUseClock = false;
  std::uint32_t core = clocks::kDefault;
  std::uint32_t memory = clocks::kDefault;
  // The boxes of kD3DSwitches and kGlideSwitches, in their order.
  std::array<bool, 4> d3d{};
  std::array<bool, 6> glide{};
  bool noSplash = false;
  Gammas d3dGamma;
  Gammas glideGamma;
};

// Each switch with the state of its box.
using SwitchStates = std::vector<std::pair<const Switch*, bool>>;
SwitchStates D3DStates(const Choices& choices);
// On Windows NT the splash switch comes last.
SwitchStates GlideStates(const Choices& choices);

std::vector<const char*> SwitchNames(const SwitchStates& boxes);
// Deletes every switch of the group from the key, then writes those that
// Apply writes for their state, and the gammas when given.
void ApplySwitches(os::Registry& registry, os::Root root,
                   const std::string& path, const SwitchStates& boxes,
                   const Gammas* gammas);

// The clocks, the Direct3D and the Glide values of one card: each group's
// values are deleted first, then only those that differ from the driver's
// default are written. On Windows NT the splash switch is one of the Glide
// values.
void ApplyCard(os::Registry& registry, const CardKeys& keys,
               const Choices& choices);

}  // namespace performance
