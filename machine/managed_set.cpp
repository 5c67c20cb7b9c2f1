#include "machine/managed_set.h"

#include <cstdio>

#include "machine/os_family.h"
#include "store/names.h"

namespace managed {
namespace {

using namespace names;

constexpr os::Root kUser = os::Root::CurrentUser;
// The longest text the program writes: a module path and its zero.
constexpr std::size_t kLongestText = 260;

std::vector<const char*> Joined(
    std::initializer_list<std::vector<const char*>> parts) {
  std::vector<const char*> all;
  for (const auto& part : parts)
    all.insert(all.end(), part.begin(), part.end());
  return all;
}

void Add(std::vector<Value>& set, os::Root root, const std::string& key,
         const std::vector<const char*>& valueNames, Form form,
         Effect effect = Effect::Game) {
  for (const char* name : valueNames)
    set.push_back({root, key, name, form, effect});
}

// A vendor group's values one by one: its clock switches need a restart,
// and so does the splash switch on Windows 95/98.
void AddGroup(std::vector<Value>& set, os::Root root, const std::string& key,
              const Group& group, bool nt) {
  for (const char* name : group.names) {
    const std::string value = name;
    const bool restart = value == kGrxClockSwitch ||
                         value == kMemClockSwitch ||
                         (!nt && value == kGlideNoSplash);
    Add(set, root, key, {name}, Form::Text,
        restart ? Effect::Restart : Effect::Game);
  }
}

void AddCard95(std::vector<Value>& set, const std::string& driver) {
  Add(set, os::kMachine, driver,
      Joined({kD3DSwitchValues, kGammaValues, {kLDelay}}), Form::Text);
  const std::string defaults = driver + kDefaultSubkey;
  Add(set, os::kMachine, defaults, {kGrxClock, kMemClock, kMemLatency},
      Form::Text, Effect::Restart);
  Add(set, os::kMachine, defaults, {kMemSize}, Form::Dword, Effect::Restart);
  for (const Group& group : kVendorGroups) {
    if (*group.suffix != '\0')
      AddGroup(set, os::kMachine, driver + group.suffix, group, false);
    AddGroup(set, kUser, driver + group.suffix, group, false);
  }
  for (const char* depth : kModeDepths)
    for (const ModeSize& size : kModeSizes)
      Add(set, os::kMachine,
          ModeKey(driver, depth, ModeKeyText(size.width, size.height)),
          {kRefreshRate}, Form::Text);
}

void AddCardNT(std::vector<Value>& set, const std::string& device) {
  Add(set, os::kMachine, device,
      {kGraphicsClocking, kMemClocking, kMemLatency}, Form::Dword,
      Effect::Restart);
  Add(set, os::kMachine, device, Joined({{kLDelay}, kGammaValues}), Form::Text);
  for (const Group& group : kVendorGroups)
    if (*group.suffix != '\0')
      AddGroup(set, os::kMachine, device + group.suffix, group, true);
}

}  // namespace

const std::vector<const char*> kGammaValues = {kRedGamma, kGreenGamma,
                                               kBlueGamma};
const std::vector<const char*> kD3DSwitchValues = {kSwapInterval, kAntiAlias,
                                                   kOverlayMode, kAutoMipmap};
const std::vector<const char*> kGlideSwitchValues = {
    kGlideShamelessPlug, kGlideSwapInterval, kGlideTmuMemSize, kGlideAllocColor,
    kGlideLodDither,     kGlideEmulRush,     kGlideNoSplash};
const std::vector<Group> kVendorGroups = {
    {"", Joined({kGammaValues, {kLDelay}})},
    {kD3DSubkey, Joined({kGammaValues, kD3DSwitchValues})},
    {kGlideSubkey,
     Joined({kGammaValues,
             {kGlideNoSplash, kGlideShamelessPlug, kGlideSwapInterval,
              kGlideTmuMemSize, kGlideAllocColor, kGlideLodDither,
              kGlideEmulRush, kGrxClockSwitch, kMemClockSwitch}})},
};

std::string ModeKeyText(int width, int height) {
  char text[24];
  std::snprintf(text, sizeof text, kModeKeyFormat, width, height);
  return text;
}

std::string ModeKey(const std::string& driverKey, const std::string& depth,
                    const std::string& keyText) {
  return driverKey + kModesSubkey + "\\" + depth + "\\" + keyText;
}

std::vector<Value> Values(const std::string& osFamily,
                          const std::vector<Card>& cards) {
  const bool nt = osFamily != family::kWindows95;
  std::vector<Value> set;
  for (const Card& card : cards) {
    if (nt)
      AddCardNT(set, card.baseKey);
    else
      AddCard95(set, card.baseKey);
  }
  const Form directX = nt ? Form::Byte : Form::Dword;
  Add(set, os::kMachine, kDirect3DDrivers, {kSoftwareOnly}, directX);
  Add(set, os::kMachine, kDirectDraw, {kEmulationOnly}, directX);
  if (nt)
    Add(set, kUser, kEnvironment,
        Joined({kD3DSwitchValues, kGlideSwitchValues}), Form::Text);
  Add(set, os::kMachine, kRun, {kRunEntry}, Form::Text, Effect::Startup);
  return set;
}

std::vector<Value> ProfileValues(const std::string& osFamily,
                                 const std::vector<Card>& cards) {
  std::vector<Value> profile;
  for (const Value& value : Values(osFamily, cards))
    if (value.effect == Effect::Game) profile.push_back(value);
  return profile;
}

bool Writable(Form form, os::ValueType type,
              const std::vector<unsigned char>& bytes) {
  switch (form) {
    case Form::Dword:
      return type == os::ValueType::Dword && bytes.size() == 4;
    case Form::Byte:
      return type == os::ValueType::Binary && bytes.size() == 1;
    case Form::Text:
      break;
  }
  if (type != os::ValueType::Text || bytes.empty() ||
      bytes.size() > kLongestText || bytes.back() != 0)
    return false;
  for (std::size_t i = 0; i + 1 < bytes.size(); ++i)
    if (bytes[i] == 0) return false;
  return true;
}

}  // namespace managed
