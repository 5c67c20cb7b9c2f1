#include "app/version_text.h"

#include <cstdio>

namespace {

int High(std::uint32_t word) { return static_cast<int>(word >> 16); }
int Low(std::uint32_t word) { return static_cast<int>(word & 0xFFFFu); }

}  // namespace

std::string DriverVersionText(const os::FixedVersion& version) {
  char text[64];
  std::snprintf(text, sizeof text, "%d.%02d.%02d.%04d-%d.%02d",
                High(version.fileVersionMS), Low(version.fileVersionMS),
                High(version.fileVersionLS), Low(version.fileVersionLS),
                High(version.strucVersion), Low(version.strucVersion));
  return text;
}

std::string LibraryVersionText(const os::FixedVersion& version) {
  char text[48];
  std::snprintf(text, sizeof text, "%d.%02d.%02d.%04d",
                High(version.fileVersionMS), Low(version.fileVersionMS),
                High(version.fileVersionLS), Low(version.fileVersionLS));
  return text;
}

std::string FileVersionText(os::Files& files, const std::string& path,
                            std::string (*format)(const os::FixedVersion&)) {
  os::FixedVersion version;
  if (!files.Exists(path) || !files.ReadFixedVersion(path, version))
    return kNotAvailable;
  return format(version);
}
