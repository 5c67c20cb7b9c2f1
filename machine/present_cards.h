#pragma once

#include <string>
#include <vector>

#include "machine/managed_set.h"
#include "os/registry.h"

// The Voodoo Banshee cards of this PC as the drivers' keys show them, found
// by the same rules as detection but without writing or creating anything,
// so that they can be read before detection runs: each card's name (0000,
// Video1) and its driver or device key. `complete` turns false when a read
// failed, so that a card may be missing.
std::vector<managed::Card> PresentCards(os::Registry& registry,
                                        const std::string& osFamily,
                                        bool& complete);

// The cards and, after them, those an earlier start recorded in the
// program's tree whose driver key (Windows 95/98) or device key (Windows NT)
// is still the Banshee's and not among them, whether or not their driver
// runs (it does not in Safe Mode or VGA mode, nor when it failed to load).
// Reads only; a read that fails reads as missing.
std::vector<managed::Card> KnownCards(os::Registry& registry,
                                      const std::string& osFamily,
                                      std::vector<managed::Card> cards = {});
