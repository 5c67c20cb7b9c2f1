#pragma once

#include <string>
#include <vector>

#include "os/registry.h"
#include "store/names.h"

// The program's on/off settings are the texts "1" and "0". What any other
// text, the empty one included, means is each flag's own rule, and this file
// is the only place that spells it.
namespace flags {

enum class Rule {
  OnWhenOneOrEmpty,  // "1" and the empty text (so a missing value) are on
  OnUnlessZero,      // only "0" is off
  OnlyWhenOne,       // only "1" is on
};

struct Flag {
  const char* name;
  Rule rule;
};

// Values of "common".
inline constexpr Flag kApplyAll{names::kApplyAll, Rule::OnWhenOneOrEmpty};
inline constexpr Flag kLoadTray{names::kLoadTray, Rule::OnWhenOneOrEmpty};
inline constexpr Flag kStartMin{names::kStartMin, Rule::OnlyWhenOne};
inline constexpr Flag kLoadStartup{names::kLoadStartup, Rule::OnlyWhenOne};
inline constexpr Flag kLinkRgb1{names::kLinkRgb1, Rule::OnUnlessZero};
inline constexpr Flag kLinkRgb2{names::kLinkRgb2, Rule::OnUnlessZero};
inline constexpr Flag kLinkRgb3{names::kLinkRgb3, Rule::OnUnlessZero};
inline constexpr Flag kCheckDispMode{names::kCheckDispMode,
                                     Rule::OnUnlessZero};

// Values of a card key. The vendor clean-up and the Configuration page take
// "kvartune_override" as off only for "0"; the Windows NT environment writes
// of the Performance page take it as on only for "1" or empty.
inline constexpr Flag kOverride{names::kOverride, Rule::OnUnlessZero};
inline constexpr Flag kEnvironmentWrites{names::kOverride,
                                         Rule::OnWhenOneOrEmpty};
// The clock mode as the Performance page shows it, and the previous clock
// mode its Apply compares with.
inline constexpr Flag kUseClock{names::kUseClock, Rule::OnlyWhenOne};
inline constexpr Flag kPreviousUseClock{names::kUseClock,
                                        Rule::OnWhenOneOrEmpty};

// A switch of the display driver, stored as "1" when on and absent when off.
inline constexpr Flag kLDelay{names::kLDelay, Rule::OnlyWhenOne};

bool IsOn(const Flag& flag, const std::string& text);
// The text a flag is stored as.
const char* Text(bool on);

// The flag as a key under HKEY_LOCAL_MACHINE holds it; a key or value that
// cannot be read counts as the empty text.
bool Read(os::Registry& registry, const std::string& path, const Flag& flag);

// The cards a settings page applies to: every card of the list, in order,
// when "applyall" is on; otherwise the selected card alone, and none when no
// card is selected.
std::vector<std::string> TargetCards(const std::vector<std::string>& cards,
                                     const std::string& applyAll,
                                     const std::string& selected);

}  // namespace flags
