#pragma once

#include <string>
#include <vector>

#include "machine/managed_set.h"
#include "os/services.h"
#include "store/regedit_file.h"

// Profiles: the values of the managed set that take effect at a game's next
// start (managed::ProfileValues), kept as registry files in the form Export
// writes, "profiles\NAME.reg" in a folder beside the program.
namespace profile {

inline constexpr const char kFolderName[] = "profiles";
inline constexpr const char kExtension[] = ".reg";

inline constexpr const char kEmptyName[] = "A profile needs a name.";
inline constexpr const char kReservedCharacters[] =
    "A profile's name cannot hold any of \\ / : * ? \" < > |.";
inline constexpr const char kTrailingDot[] =
    "A profile's name cannot end with a dot or a blank.";
inline constexpr const char kDeviceName[] =
    " is the name of a device of Windows, not of a file.";
inline constexpr const char kReplaceQuestion[] = "Replace the profile ";

// Why the name cannot name a file on every Windows, or empty when it can:
// none of \/:*?"<>| or control characters, no dot or blank at its end, and
// no DOS device name (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9, with
// or without an extension).
std::string NameProblem(const std::string& name);

// The folder "profiles" beside the program, and a profile's file there.
std::string Folder(os::System& system);
std::string Path(os::System& system, const std::string& name);

// The cards a profile is applied to, as a settings page's Apply chooses
// them ("applyall", "selecteddisplay").
std::vector<managed::Card> TargetCards(os::Registry& registry,
                                       const std::vector<managed::Card>& cards);

// The names of the profiles, sorted without regard to case: each file of
// the folder that reads and checks whole against the set.
std::vector<std::string> Names(os::Services& services,
                               const std::vector<managed::Value>& set);

// A profile's entries, whichever card they were saved from, for each target
// card; the entries of no card (the DirectX switches, the environment) once.
std::vector<regedit::Entry> ForTargets(
    const std::vector<regedit::Entry>& entries,
    const std::vector<managed::Card>& cards,
    const std::vector<managed::Card>& targets);

// Writes a profile's entries (settings::Store) and, when some are of the
// Windows NT user environment, tells running programs that it changed.
bool Store(os::Services& services, const std::string& osFamily,
           const std::vector<managed::Value>& set,
           const std::vector<regedit::Entry>& entries, bool quiet,
           bool passedOver = false);

}  // namespace profile
