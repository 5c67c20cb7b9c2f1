#include "machine/vendor_settings.h"

#include "machine/cards.h"
#include "machine/os_family.h"
#include "store/delete.h"
#include "store/flags.h"
#include "store/names.h"

void CleanVendorSettings(os::Registry& registry,
                         const std::vector<std::string>& cards) {
  using namespace names;
  for (const std::string& card : cards) {
    if (!flags::Read(registry, CardKey(family::kWindows95, card),
                     flags::kOverride))
      continue;

    const std::string driver = DriverKey(card);
    DeleteValues(registry, os::Root::CurrentUser, driver,
                 {kRedGamma, kGreenGamma, kBlueGamma, kLDelay});
    DeleteValues(registry, os::Root::CurrentUser, driver + kD3DSubkey,
                 {kRedGamma, kGreenGamma, kBlueGamma, kSwapInterval,
                  kAntiAlias, kOverlayMode, kAutoMipmap});
    DeleteValues(registry, os::Root::CurrentUser, driver + kGlideSubkey,
                 {kRedGamma, kGreenGamma, kBlueGamma, kGlideNoSplash,
                  kGlideShamelessPlug, kGlideSwapInterval, kGlideTmuMemSize,
                  kGlideAllocColor, kGlideLodDither, kGlideEmulRush,
                  kGrxClockSwitch, kMemClockSwitch});
  }
}
