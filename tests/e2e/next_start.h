#pragma once

// What a start of the program shows of the user's tray and start-hidden
// choices. Each starts the program on the machine as it is, checks, and
// ends it again; fatal failures end only the check.
namespace e2e {

// The window comes up hidden, with the tray icon; then it is unloaded.
void ExpectStartsHiddenInTheTray();
// The window comes up shown, without a tray icon, and closing it ends the
// program.
void ExpectStartsShownWithoutTrayAndCloseEnds();

}  // namespace e2e
