#pragma once

#include <string>
#include <vector>

#include "machine/managed_set.h"
#include "os/services.h"

// A program started with a profile: the profile applied, the program run to
// its end, and the values put back. The state to put back is saved first as
// "NAME.before" beside the profiles folder, whole or not at all, so that a
// run cut short (Windows ended during the game) is put back at the next
// start.
namespace profile {

inline constexpr const char kStateExtension[] = ".before";

inline constexpr const char kRunActive[] =
    "A program started with a profile still runs: Kvartune starts one at a "
    "time.";
inline constexpr const char kCannotStart[] = " cannot be started: ";
inline constexpr const char kPutBackFirst[] =
    "The settings from before the profile ";
inline constexpr const char kPutBackAfterCut[] =
    " are back: the program started with it did not end while Kvartune "
    "waited.";
// "The settings from before the profile NAME are back: ..."
std::string PutBackText(const std::string& name);
// The tray's item while a run is active.
inline constexpr const char kPutBackItem[] =
    "Put back the settings from before ";

// Held by the process of a run for its whole life: the single-instance
// mutex's name with "-run".
std::string RunMutexName(os::System& system);

// kvtune /profile NAME /run PROGRAM ARGUMENTS: PROGRAM's exit code, or 1
// when the profile was refused, the program did not start or something
// could not be put back (the next start tries again). `arguments` go to the
// program as written; it runs in its own folder.
int RunWithProfile(os::Services& services, const std::string& osFamily,
                   const std::vector<managed::Card>& cards,
                   const std::string& name, const std::string& program,
                   const std::string& arguments, bool quiet);

// The profile of the run whose saved state is there, or empty; and whether
// that run is still active.
std::string SavedRun(os::Services& services);
bool RunActive(os::Services& services);

// Puts the saved state back whole and removes its file: the tray's "Put
// back" while a run is active. True when everything was put back; otherwise
// the file stays for the next try.
bool PutBackSaved(os::Services& services, const std::string& osFamily,
                  const std::vector<managed::Card>& cards, bool quiet);

// At a start: a saved state with no run active is put back. Returns its
// profile's name (empty when there was none, or when it could not all be
// put back and stays for the next start) for the message that says so,
// which the caller shows once the window system may be used.
std::string PutBackAfterCut(os::Services& services, const std::string& osFamily,
                            const std::vector<managed::Card>& cards);

}  // namespace profile
