#pragma once

#include <string>

#include "os/display.h"

// The texts the page shows and compares display modes by. Their numbers are
// right-aligned, so that sorted lists come out in numeric order.
namespace display {

// " 8BitColor", "16BitColor".
std::string DepthEntry(int bitsPerPixel);
// " 800 x  600", "1024 x  768".
std::string SizeEntry(int width, int height);
// "16BitColor  800 x  600", and with the frequency "16BitColor  800 x  600 60".
std::string ModeText(const os::DisplayMode& mode, os::ModeFields fields);

}  // namespace display
