#include "machine/vendor_settings.h"

#include "machine/cards.h"
#include "machine/managed_set.h"
#include "machine/os_family.h"
#include "store/delete.h"
#include "store/flags.h"
#include "store/names.h"

void CleanVendorSettings(os::Registry& registry,
                         const std::vector<std::string>& cards) {
  for (const std::string& card : cards) {
    if (!flags::Read(registry, CardKey(family::kWindows95, card),
                     flags::kOverride))
      continue;

    const std::string driver = DriverKey(card);
    for (const managed::Group& group : managed::kVendorGroups)
      DeleteValues(registry, os::Root::CurrentUser, driver + group.suffix,
                   group.names);
  }
}
