#pragma once

#include <string>
#include <vector>

#include "os/registry.h"
#include "store/write_watch.h"

// What the program says when a change the user asked for could not be
// stored whole.
namespace settings {

inline constexpr const char kNotStoredStart[] =
    "Kvartune could not store all of ";
inline constexpr const char kCauseNT[] =
    "Windows refused the change: start Kvartune as an administrator, then "
    "try again.";
inline constexpr const char kCause95[] =
    "The registry or the disk refused the change: another program may be "
    "using the file, or the disk may be full or write-protected.";
inline constexpr const char kPageKeepsChoices[] =
    "The page keeps your choices, so that you can try again once the cause "
    "is gone.";

// The likely cause on the family's Windows.
const char* NotStoredCause(const std::string& osFamily);

// "Kvartune could not store all of <what> for <cards>; <files> could not be
// written." with the cause and kPageKeepsChoices below it. A card is named by
// its description when a refused key is one of its keys (its card key, its
// driver key or its device key); a file by its path.
std::string NotStoredMessage(os::Registry& registry,
                             const std::string& osFamily,
                             const std::string& what,
                             const std::vector<Refusal>& refused);

}  // namespace settings
