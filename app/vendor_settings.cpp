#include "app/vendor_settings.h"

#include "store/delete.h"
#include "store/names.h"
#include "store/single_value.h"

void CleanVendorSettings(os::Registry& registry,
                         const std::vector<std::string>& cards) {
  using namespace names;
  for (const std::string& card : cards) {
    std::string flag;
    ReadText(registry, std::string(kDisplayCards) + "\\" + card, kOverride,
             flag);
    if (flag == "0") continue;

    const std::string driver = std::string(kDriverClass) + card;
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
