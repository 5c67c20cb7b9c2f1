#pragma once

#include <string>
#include <vector>

#include "machine/managed_set.h"
#include "machine/settings_file.h"
#include "os/services.h"

// Export, Import and Restore of the managed set, from the menus and from
// the command line, and the driver's own clocks.
namespace settings {

inline constexpr const char kRestoreQuestion[] =
    "Restore the settings from before Kvartune's first change?";
inline constexpr const char kCannotRead[] = " cannot be read.";
inline constexpr const char kCannotWrite[] = " cannot be written.";
inline constexpr const char kNothingImported[] = ". Nothing was imported.";
inline constexpr const char kNothingRestored[] = ". Nothing was restored.";
inline constexpr const char kNothingChanged[] = ". Nothing was changed.";
inline constexpr const char kIncomplete[] =
    "Some settings could not be written.";
// Below kIncomplete when every value was stored but a card's values were
// passed over; otherwise the cause of the failed writes follows.
inline constexpr const char kCardsGone[] =
    "The file holds settings of a card that this PC no longer has.";
inline constexpr const char kCannotReadRegistry[] =
    "The registry cannot be read.";

enum class Command {
  Export,   // the managed set as it is now, to `path`
  Import,   // a file of `path`, applied whole or not at all
  Restore,  // the restore point
  // The driver's own clocks for every card, and for every card an earlier
  // start recorded whose driver does not run (KnownCards).
  DefaultClocks,
  // The profile named `path`: the current state of the values a profile
  // holds, of the first target card, saved (an existing profile is replaced
  // after a question), or applied to the target cards.
  SaveProfile,
  Profile,
};

// Does the command for this PC's cards, and for Restore and the driver's
// clocks also for the cards an earlier start recorded whose keys are still
// the Banshee's (KnownCards). Restore asks first; a failure is reported with
// a message naming the file (and for a refused file its first bad line), and
// one that could not store everything with its likely cause; when a clock or
// the memory size changed and everything was stored, and after the driver's
// clocks were stored, the restart question follows. With `quiet` nothing is
// asked or shown and no restart is asked for. True when done; the driver's
// clocks fail without any card.
bool Run(os::Services& services, const std::string& osFamily,
         const std::vector<managed::Card>& cards, Command command,
         const std::string& path, bool quiet);

// Writes entries that the set admitted: the one place that reports what
// could not be stored (unless `quiet`). `passedOver`: entries of the file
// that the check left out (a card no longer found), which makes the store
// incomplete too. True when everything was stored.
bool Store(os::Services& services, const std::string& osFamily,
           const std::vector<managed::Value>& set,
           const std::vector<regedit::Entry>& entries, bool quiet,
           bool passedOver = false, Outcome* outcome = nullptr);

// Reads a registry file whole and admits it against the set; false, with
// the message naming the file (and its first bad line) unless `quiet`.
bool Load(os::Services& services, const std::vector<managed::Value>& set,
          const std::string& path, Check check, const char* nothingDone,
          bool quiet, std::vector<regedit::Entry>& entries,
          std::size_t& read);

}  // namespace settings
