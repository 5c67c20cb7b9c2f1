#pragma once

#include <string>
#include <vector>

#include "machine/managed_set.h"
#include "os/registry.h"

// The cards that detection recorded, one card key each in the program's
// tree: "Display\<driver key name>" on Windows 95/98, "Device\<VideoN>" on
// Windows NT.

// The card names: the subkeys of the Display (Windows 95/98) or Device
// (Windows NT) tree, in enumeration order.
std::vector<std::string> ListCards(os::Registry& registry,
                                   const std::string& osFamily);
// The card key of a card for the family.
std::string CardKey(const std::string& osFamily, const std::string& card);
// Windows 95/98: the display driver's own key of a card.
std::string DriverKey(const std::string& card);
// Windows NT: the card's device key below HKEY_LOCAL_MACHINE, as detection
// recorded it in "DevicePath"; empty when it cannot be read.
std::string DevicePath(os::Registry& registry, const std::string& card);
// The keys a card's settings go to, under HKEY_LOCAL_MACHINE: the clock key
// (the driver key's "\DEFAULT" on Windows 95/98, the device key on Windows
// NT), the Direct3D and Glide keys below the card's base key, and its card
// key in the program's tree.
struct CardKeys {
  std::string clock;
  std::string d3d;
  std::string glide;
  std::string program;
};
CardKeys KeysOfCard(const std::string& osFamily, const managed::Card& card);

// The recorded cards with their driver (Windows 95/98) or device (Windows
// NT) keys; a Windows NT card without a readable device path is left out.
std::vector<managed::Card> RecordedCards(os::Registry& registry,
                                         const std::string& osFamily);
