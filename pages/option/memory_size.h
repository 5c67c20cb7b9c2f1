#pragma once

#include <cstdint>
#include <string>

#include "ui/stepped_value.h"

// The video memory size of the Option page, in MB.
namespace memory_size {

// Default, the driver's own choice, is held as 3; explicit sizes are 4 to 16.
inline constexpr ui::SteppedRange kRange{3, 16, "%dMB"};
inline constexpr std::uint32_t kDefault = kRange.defaultValue;

// The Windows 95/98 driver takes a new size only while the desktop is at
// most this many pixels wide.
inline constexpr int kWidestDesktop = 1024;
inline constexpr const char kWideDesktopMessage[] =
    "Set the current Destop resolution below 1024x768\n"
    "before changing the VideoMemorySize.\n"
    "Otherwise Windows may show corrupted screen.";

// Windows NT reports the card's memory in bytes, least significant byte
// first, in a four-byte value; its fourth byte tells 16 MB (1) from 8 MB.
inline constexpr std::uint32_t kNTValueSize = 4;
std::uint32_t FromNTValue(const unsigned char (&bytes)[kNTValueSize]);

// A size as the driver's settings hold it: none (0) is Default, any other
// number is shown as it is, in or out of the range.
std::string StoredText(std::uint32_t size);

}  // namespace memory_size
