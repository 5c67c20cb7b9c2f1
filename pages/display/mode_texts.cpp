#include "pages/display/mode_texts.h"

#include <cstdio>

namespace display {

std::string DepthEntry(int bitsPerPixel) {
  char text[24];
  std::snprintf(text, sizeof text, "%2dBitColor", bitsPerPixel);
  return text;
}

std::string SizeEntry(int width, int height) {
  char text[32];
  std::snprintf(text, sizeof text, "%4d x %4d", width, height);
  return text;
}

std::string ModeText(const os::DisplayMode& mode, os::ModeFields fields) {
  std::string text = DepthEntry(static_cast<int>(mode.bitsPerPixel)) + " " +
                     SizeEntry(static_cast<int>(mode.width),
                               static_cast<int>(mode.height));
  if (fields == os::ModeFields::WithFrequency)
    text += " " + std::to_string(static_cast<int>(mode.frequency));
  return text;
}

}  // namespace display
