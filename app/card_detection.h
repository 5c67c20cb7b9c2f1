#pragma once

#include <string>
#include <vector>

#include "os/services.h"

inline constexpr const char kNotFoundMessage[] = "3Dfx VooDoo Banshee NOT FOUND.";
inline constexpr const char kNeedsAdministratorMessage[] =
    "Kvartune needs to be started as an administrator: Windows does not let "
    "this account change the settings of the graphics card.\n\n"
    "Log on as an administrator, or start Kvartune with \"Run as\" and an "
    "administrator's account.";

// Finds the installed Voodoo Banshee cards at start-up, records one card key
// per card in the settings tree and removes the keys of cards that are gone.
class CCardDetection {
 public:
  explicit CCardDetection(os::Services& services);

  // Windows 95/98: the PCI enumeration and the display class keys.
  bool Detect95();
  // Windows NT: the video device map and the device keys.
  bool DetectNT();
  // Selected card, Glide and DirectX versions, Windows start-up entry.
  void AfterDetection(const std::string& osFamily);

 private:
  // What a card key records.
  struct Card {
    std::string description;
    std::string driver;
    std::string driverVersion;
    std::string revision;
    std::string devicePath;  // Windows NT only
  };
  void RecordCard(const std::string& cardKey, const Card& card);
  bool Finish(int count, const std::string& cardsTree);
  void Sweep(const std::string& cardsTree);
  void SelectCard(const std::string& osFamily);
  void WriteVersions();
  void UpdateRunEntry();

  os::Services& services_;
  // The card keys this detection recorded, in upper case: a "detected" mark
  // left by a start that was cut short before its sweep keeps no key.
  std::vector<std::string> recorded_;
};
