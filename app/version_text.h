#pragma once

#include <string>

#include "os/files.h"

inline constexpr const char kNotAvailable[] = "N/A";

// "4.11.01.1208-1.00": the file version, then the structure version.
std::string DriverVersionText(const os::FixedVersion& version);
// "2.60.00.0321": the file version alone.
std::string LibraryVersionText(const os::FixedVersion& version);

// The version text of a file, or "N/A" when the file is missing or carries no
// version record.
std::string FileVersionText(os::Files& files, const std::string& path,
                            std::string (*format)(const os::FixedVersion&));
