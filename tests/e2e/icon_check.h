#pragma once

#include <windows.h>

#include <ostream>

namespace e2e {

enum class SystemIcon { None, Exclamation, Hand, Question, Asterisk };
std::ostream& operator<<(std::ostream& out, SystemIcon icon);

// Which of the message-box icons an icon control shows: its pixels on the
// screen compared with each system icon drawn here on the control's background.
// Another process's icon handle cannot be drawn or compared here, its pixels
// can. Waits for the control to be painted; None when no icon matches.
SystemIcon ShownSystemIcon(HWND control, DWORD milliseconds);

}  // namespace e2e
