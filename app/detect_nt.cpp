#include "app/card_detection.h"
#include "app/version_text.h"
#include "machine/banshee.h"
#include "store/names.h"
#include "store/registry_key.h"
#include "store/single_value.h"
#include "ui/app_message.h"

bool CCardDetection::DetectNT() {
  CRegistryKey key(services_.registry);
  std::vector<std::string> entries;
  key.ListValues(os::kMachine, names::kVideoDeviceMap, entries);

  int count = 0;
  for (const std::string& entry : entries) {
    std::string link;
    ReadText(services_.registry, names::kVideoDeviceMap, entry, link);
    if (!IsVideoEntry(entry)) continue;
    Card card;
    card.devicePath = DevicePathOfLink(link);
    // A link too short to hold its prefix names no device.
    if (card.devicePath.empty()) continue;
    card.description = kNotAvailable;
    card.revision = kNotAvailable;
    unsigned char chipType[kChipTypeSize] = {};
    std::uint32_t chipTypeSize = kChipTypeSize;
    long chipResult = os::error::kFileNotFound;
    if (key.OpenToRead(os::kMachine, card.devicePath) == os::error::kSuccess) {
      chipResult = key.QueryRaw(names::kChipType, chipType, chipTypeSize);
      key.QueryText(names::kDeviceDescription, card.description);
      key.Close();
    }
    if (chipResult != os::error::kSuccess || !IsBansheeChip(chipType)) continue;
    ++count;

    // The driver's service key holds the device key.
    const std::size_t slash = card.devicePath.rfind('\\');
    if (slash != std::string::npos)
      ReadText(services_.registry, card.devicePath.substr(0, slash),
               names::kImagePath, card.driver);
    card.driverVersion = FileVersionText(
        services_.files, services_.system.WindowsDirectory() + "\\" + card.driver,
        DriverVersionText);
    RecordCard(std::string(names::kTree) + entry, card);
  }
  // Cards found but none recorded: an account that may read the machine's
  // keys and not change them.
  if (count > 0 && recorded_.empty()) {
    AppMessageBox(services_, kNeedsAdministratorMessage);
    return false;
  }
  return Finish(count, names::kDeviceCards);
}
