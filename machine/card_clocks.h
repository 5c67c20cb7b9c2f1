#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "machine/cards.h"
#include "machine/managed_set.h"
#include "os/registry.h"

// A card's clocks: the clock values of its clock key, the clock switches of
// its Glide key, and "kvartune_useclock" in its card key, which says whether
// the program sets them.
namespace clocks {

// 84 MHz stands for the driver's own clock, which is never written.
inline constexpr std::uint32_t kDefault = 84;

// Replaces two groups (store/value_group): the clock values ("grxClock"
// and "memClock", texts on Windows 95/98, or "graphicsclocking" and
// "memclocking", numbers on Windows NT, and "memLatency") and the Glide
// key's "SSTH3_GRXCLOCK" and "SSTH3_MEMCLOCK", with `use` by each clock that
// is not kDefault, otherwise by none; then "kvartune_useclock" = "1" with
// `use`, "0" without.
void Apply(os::Registry& registry, const CardKeys& keys, bool nt, bool use,
           std::uint32_t core, std::uint32_t memory);

// Each card back on the driver's own clocks, as unticking "Use Clock
// settings" and Apply leave a card whose clocks the program set, whatever
// its "kvartune_useclock" says.
void Defaults(os::Registry& registry, const std::string& osFamily,
              const std::vector<managed::Card>& cards);

}  // namespace clocks
