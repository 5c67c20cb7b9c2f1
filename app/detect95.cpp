#include "app/card_detection.h"
#include "app/version_text.h"
#include "machine/banshee.h"
#include "machine/managed_set.h"
#include "store/delete.h"
#include "store/names.h"
#include "store/registry_key.h"
#include "store/single_value.h"

bool CCardDetection::Detect95() {
  CRegistryKey key(services_.registry);
  std::vector<std::string> devices;
  // A PC without the PCI enumeration key has no card to find.
  const long listed = key.ListSubkeys(os::kMachine, names::kPciEnum, devices);
  if (listed != os::error::kSuccess && listed != os::error::kFileNotFound)
    return false;

  int count = 0;
  for (const std::string& device : devices) {
    if (!IsBansheeDevice(device)) continue;
    const std::string deviceKey = std::string(names::kPciEnum) + "\\" + device;
    std::vector<std::string> instances;
    if (key.ListSubkeys(os::kMachine, deviceKey, instances) !=
        os::error::kSuccess)
      continue;
    for (const std::string& instance : instances) {
      // Every text starts empty for each instance, so that a value missing
      // in one instance is never taken from the one before.
      std::string deviceDesc, driver;
      Card card;
      if (key.OpenToRead(os::kMachine, deviceKey + "\\" + instance) ==
          os::error::kSuccess) {
        key.QueryText(names::kPciDeviceDesc, deviceDesc);
        key.QueryText(names::kPciDriver, driver);
        key.QueryText(names::kHWRevision, card.revision);
        key.Close();
      }
      if (card.revision.empty()) card.revision = kNotAvailable;
      // Without a driver key there is no card key to record it in.
      if (driver.empty()) continue;

      const std::string driverKey = std::string(names::kClassRoot) + driver;
      ReadText(services_.registry, driverKey, names::kDriverDescription,
               card.description);
      if (card.description != deviceDesc) continue;
      ++count;

      ReadText(services_.registry, driverKey + names::kDefaultSubkey,
               names::kDrv, card.driver);
      DeleteValues(services_.registry, os::kMachine, driverKey,
                   managed::kD3DSwitchValues);
      card.driverVersion = FileVersionText(
          services_.files, services_.system.SystemDirectory() + "\\" + card.driver,
          DriverVersionText);
      RecordCard(std::string(names::kTree) + "\\" + driver, card);
    }
  }
  return Finish(count, names::kDisplayCards);
}
