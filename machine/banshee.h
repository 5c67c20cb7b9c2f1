#pragma once

#include <cstdint>
#include <string>

// What identifies a Voodoo Banshee, for detection and for the cards read
// before detection writes anything.

inline constexpr const char kNotFoundMessage[] =
    "3Dfx VooDoo Banshee NOT FOUND.";

// Registry names compare without regard to case.
std::string UpperCase(std::string text);

// Windows 95/98: a subkey of "Enum\PCI" whose name starts, in this case,
// with the card's vendor and device.
bool IsBansheeDevice(const std::string& pciName);

// Windows NT: an entry of the video device map that names a video device.
bool IsVideoEntry(const std::string& entry);
// The device key below HKEY_LOCAL_MACHINE that a device link names, in upper
// case; empty for a link too short to hold its \REGISTRY\Machine\ prefix.
std::string DevicePathOfLink(const std::string& link);
// The chip type is read into a zero-filled buffer of this size.
inline constexpr std::uint32_t kChipTypeSize = 40;
// "3Dfx Voodoo Banshee" in UTF-16 little-endian with its terminating zero.
bool IsBansheeChip(const unsigned char (&chipType)[kChipTypeSize]);
