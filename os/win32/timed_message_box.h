#pragma once

#include <windows.h>

#include <string>

#include "os/shell.h"

namespace os {

// MessageBoxA whose box ends itself with IDCANCEL when nobody answers within
// `seconds`. It shows text.At(seconds) and, once a second, the text of the
// seconds then left; a timer of this thread counts, which the box's own modal
// loop serves. Returns MessageBoxA's result.
int TimedMessageBox(HWND owner, const CountdownText& text,
                    const std::string& caption, UINT style, unsigned seconds);

}  // namespace os
