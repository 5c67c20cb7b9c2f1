#include "pages/performance/my_page1.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdlib>

#include "machine/cards.h"
#include "pages/performance/switches.h"
#include "res/controls.h"
#include "store/flags.h"
#include "store/names.h"
#include "store/registry_key.h"

namespace {

constexpr const char* kGammaNames[ui::kChannels] = {
    names::kRedGamma, names::kGreenGamma, names::kBlueGamma};

// A clock text as a whole number, 0 when it is none. Windows reads only a
// text that is all number ("100MHz" is none), while Wine's dialog-item
// conversion would take the leading digits; the page reads it itself, so
// that both show the same.
std::uint32_t ClockOf(const std::string& text) {
  const char* start = text.c_str();
  char* end = nullptr;
  errno = 0;
  const long number = std::strtol(start, &end, 10);
  while (*end == ' ') ++end;
  if (end == start || *end != '\0' || errno != 0 || number < INT32_MIN ||
      number > INT32_MAX)
    return 0;
  return static_cast<std::uint32_t>(number);
}

}  // namespace

std::string CMyPage1::DeviceKey(const std::string& card) {
  return card.empty() ? std::string() : DevicePath(services().registry, card);
}

void CMyPage1::Load95() {
  LoadCommon();
  LoadSwitches(selected_.empty() ? std::string() : DriverKey(selected_));
}

void CMyPage1::LoadNT() {
  LoadCommon();
  LoadSwitches(DeviceKey(selected_));
}

void CMyPage1::LoadCommon() {
  core_.stored = memory_.stored = 0;
  std::string link1, link2;
  CRegistryKey common(services().registry);
  if (common.OpenToRead(os::kMachine, names::kCommon) == os::error::kSuccess) {
    common.QueryText(names::kApplyAll, applyAll_);
    common.QueryText(names::kSelectedDisplay, selected_);
    common.QueryText(names::kLinkRgb1, link1);
    common.QueryText(names::kLinkRgb2, link2);
    common.Close();
  }
  d3dGamma_.linked = flags::IsOn(flags::kLinkRgb1, link1);
  glideGamma_.linked = flags::IsOn(flags::kLinkRgb2, link2);

  const bool useClock =
      !selected_.empty() &&
      flags::Read(services().registry, CardKey(family_, selected_),
                  flags::kUseClock);
  if (!useClock) core_.stored = memory_.stored = performance::kDefaultClock;
  ShowClockMode(useClock);

  const bool nt = !Windows95();
  for (const auto& [path, name, box] : performance::kDirectXSwitches) {
    // A value that is missing, unreadable or (on Windows NT) longer than
    // one byte counts as not 1.
    std::uint32_t value = 0;
    CRegistryKey key(services().registry);
    if (key.OpenToRead(os::kMachine, path) == os::error::kSuccess) {
      if (nt) {
        unsigned char byte = 0;
        std::uint32_t size = 1;
        if (key.QueryRaw(name, &byte, size) == os::error::kSuccess)
          value = byte;
      } else {
        key.QueryDword(name, value);
      }
      key.Close();
    }
    controls().SetCheck(box, value != 1);
  }
}

// The switches and gammas of the D3D and Glide keys below the card's driver
// or device key; without one nothing is read, so every value counts as
// missing.
void CMyPage1::LoadSwitches(const std::string& cardKey) {
  const std::string d3dKey = cardKey.empty() ? "" : cardKey + names::kD3DSubkey;
  const std::string glideKey =
      cardKey.empty() ? "" : cardKey + names::kGlideSubkey;
  struct Group {
    const std::string& path;
    std::vector<const performance::Switch*> boxes;
    ui::GammaGroup& gamma;
  };
  std::vector<const performance::Switch*> d3d, glide{&performance::kSplashSwitch};
  for (const auto& box : performance::kD3DSwitches) d3d.push_back(&box);
  for (const auto& box : performance::kGlideSwitches) glide.push_back(&box);
  for (const Group& group : {Group{d3dKey, d3d, d3dGamma_},
                             Group{glideKey, glide, glideGamma_}}) {
    std::vector<std::string> texts(group.boxes.size());
    std::array<std::string, ui::kChannels> gammas;
    CRegistryKey key(services().registry);
    if (!group.path.empty() &&
        key.OpenToRead(os::kMachine, group.path) == os::error::kSuccess) {
      for (std::size_t i = 0; i < texts.size(); ++i)
        key.QueryText(group.boxes[i]->name, texts[i]);
      for (int channel = 0; channel < ui::kChannels; ++channel)
        key.QueryText(kGammaNames[channel], gammas[channel]);
      key.Close();
    }
    for (std::size_t i = 0; i < texts.size(); ++i)
      controls().SetCheck(group.boxes[i]->box,
                          performance::CheckedAtLoad(*group.boxes[i], texts[i]));
    group.gamma.ShowStored(controls(), gammas);
    group.gamma.ShowLink(controls());
  }
  splashAtLoad_ = controls().IsChecked(performance::kSplashSwitch.box);
  UpdateData(true);
  UpdateData(false);
}

void CMyPage1::ReadClocks(bool resetFirst) {
  if (Windows95()) {
    std::string core, memory;
    CRegistryKey key(services().registry);
    if (!selected_.empty() &&
        key.OpenToRead(os::kMachine, DriverKey(selected_) + names::kDefaultSubkey) ==
            os::error::kSuccess) {
      key.QueryText(names::kGrxClock, core);
      key.QueryText(names::kMemClock, memory);
      key.Close();
    }
    core_.stored = ClockOf(core);
    memory_.stored = ClockOf(memory);
    return;
  }
  if (resetFirst) core_.stored = memory_.stored = 0;
  const std::string device = DeviceKey(selected_);
  CRegistryKey key(services().registry);
  if (device.empty() || key.OpenToRead(os::kMachine, device) != os::error::kSuccess)
    return;
  key.QueryDword(names::kGraphicsClocking, core_.stored);
  key.QueryDword(names::kMemClocking, memory_.stored);
}
