#include "pages/performance/my_page1.h"

#include "machine/cards.h"
#include "pages/performance/card_apply.h"
#include "pages/performance/environment.h"
#include "pages/performance/startup_files.h"
#include "res/controls.h"
#include "store/flags.h"
#include "store/names.h"
#include "store/registry_key.h"

std::string CMyPage1::Apply95() { return ApplyCards(false); }

std::string CMyPage1::ApplyNT() { return ApplyCards(true); }

performance::Choices CMyPage1::ReadChoices(bool nt) {
  performance::Choices choices;
  choices.nt = nt;
  choices.useClock = controls().IsChecked(IDC_USE_CLOCK_SETTINGS);
  choices.core = core_.chosen;
  choices.memory = memory_.chosen;
  for (std::size_t i = 0; i < choices.d3d.size(); ++i)
    choices.d3d[i] = controls().IsChecked(performance::kD3DSwitches[i].box);
  for (std::size_t i = 0; i < choices.glide.size(); ++i)
    choices.glide[i] = controls().IsChecked(performance::kGlideSwitches[i].box);
  choices.noSplash = controls().IsChecked(performance::kSplashSwitch.box);
  for (int channel = 0; channel < ui::kChannels; ++channel) {
    choices.d3dGamma[channel] = d3dGamma_.Stored(channel);
    choices.glideGamma[channel] = glideGamma_.Stored(channel);
  }
  return choices;
}

// "SoftwareOnly" and "EmulationOnly" are 1 when the acceleration box is
// unchecked: a four-byte number on Windows 95/98, one byte on Windows NT.
void CMyPage1::WriteDirectX(bool nt) {
  for (const auto& [path, name, box] : performance::kDirectXSwitches) {
    const unsigned char emulated = controls().IsChecked(box) ? 0 : 1;
    CRegistryKey key(services().registry);
    if (key.Open(os::kMachine, path) != os::error::kSuccess) continue;
    if (nt)
      key.SetBinary(name, &emulated, 1);
    else
      key.SetDword(name, emulated);
    key.Close();
  }
}

// The keys Apply writes for a card; none on Windows NT for a card without
// a device key, which is then left alone rather than written at the root.
bool CMyPage1::KeysOf(const std::string& card, bool nt,
                      performance::CardKeys& keys) {
  const std::string base = nt ? DeviceKey(card) : DriverKey(card);
  if (base.empty()) return false;
  keys.clock = nt ? base : base + names::kDefaultSubkey;
  keys.d3d = base + names::kD3DSubkey;
  keys.glide = base + names::kGlideSubkey;
  keys.program = CardKey(family_, card);
  return true;
}

std::string CMyPage1::ApplyCards(bool nt) {
  performance::Choices choices = ReadChoices(nt);
  WriteDirectX(nt);
  CRegistryKey common(services().registry);
  if (common.Open(os::kMachine, names::kCommon) == os::error::kSuccess) {
    common.SetText(names::kLinkRgb1, flags::Text(d3dGamma_.linked));
    common.SetText(names::kLinkRgb2, flags::Text(glideGamma_.linked));
    common.Close();
  }

  if (!nt) {
    // The splash switch goes to every card, whichever cards are targets.
    for (const std::string& card : cards_)
      performance::ApplySwitches(
          services().registry, os::kMachine,
          DriverKey(card) + names::kGlideSubkey,
          {{&performance::kSplashSwitch, choices.noSplash}}, nullptr);
    if (performance::KeepStartupCall(services().files)) splashAtLoad_ = false;
    performance::WriteSplashBatch(services().files, choices.noSplash);
  }

  std::string previousUseClock, environment;
  CRegistryKey selected(services().registry);
  if (!selected_.empty() &&
      selected.OpenToRead(os::kMachine, CardKey(family_, selected_)) ==
          os::error::kSuccess) {
    selected.QueryText(names::kUseClock, previousUseClock);
    if (nt) selected.QueryText(names::kOverride, environment);
    selected.Close();
  }
  choices.previousUseClock =
      flags::IsOn(flags::kPreviousUseClock, previousUseClock);

  for (const std::string& card :
       flags::TargetCards(cards_, applyAll_, selected_)) {
    performance::CardKeys keys;
    if (KeysOf(card, nt, keys))
      performance::ApplyCard(services().registry, keys, choices);
  }
  if (nt)
    performance::ApplyEnvironment(
        services(), choices,
        flags::IsOn(flags::kEnvironmentWrites, environment));

  bool unchanged =
      core_.chosen == core_.stored && memory_.chosen == memory_.stored;
  if (!nt) unchanged = unchanged && splashAtLoad_ == choices.noSplash;
  return unchanged ? kNoReboot : kReboot;
}
