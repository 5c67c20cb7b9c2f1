#include "store/flags.h"

#include "store/single_value.h"

namespace flags {

bool IsOn(const Flag& flag, const std::string& text) {
  switch (flag.rule) {
    case Rule::OnWhenOneOrEmpty:
      return text == "1" || text.empty();
    case Rule::OnUnlessZero:
      return text != "0";
    case Rule::OnlyWhenOne:
      return text == "1";
  }
  return false;
}

const char* Text(bool on) { return on ? "1" : "0"; }

bool Read(os::Registry& registry, const std::string& path, const Flag& flag) {
  std::string text;
  ReadText(registry, path, flag.name, text);
  return IsOn(flag, text);
}

std::vector<std::string> TargetCards(const std::vector<std::string>& cards,
                                     const std::string& applyAll,
                                     const std::string& selected) {
  if (IsOn(kApplyAll, applyAll)) return cards;
  if (selected.empty()) return {};
  return {selected};
}

}  // namespace flags
