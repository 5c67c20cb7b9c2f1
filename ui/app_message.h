#pragma once

#include <string>

#include "os/services.h"

// The program's file name without folder and extension: it captions every
// message box and names the single-instance mutex.
std::string ExecutableBaseName(const std::string& modulePath);

// The application's message box: captioned with the executable's base name,
// with the exclamation icon.
os::Answer AppMessageBox(os::Services& services, const std::string& text,
                         os::Buttons buttons = os::Buttons::Ok);
