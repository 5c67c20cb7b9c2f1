#include "pages/option/memory_size.h"

#include <cstdio>

namespace memory_size {

std::uint32_t FromNTValue(const unsigned char (&bytes)[kNTValueSize]) {
  return bytes[3] == 1 ? 16 : 8;
}

std::string StoredText(std::uint32_t size) {
  if (size == 0) return ui::SteppedText(kRange, kRange.defaultValue);
  char text[32];
  std::snprintf(text, sizeof text, kRange.format, static_cast<int>(size));
  return text;
}

}  // namespace memory_size
