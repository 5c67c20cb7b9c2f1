#include "pages/display/size_table.h"

#include "pages/display/mode_texts.h"
#include "res/controls.h"
#include "store/names.h"

namespace display {

int ListId(int row) { return IDC_REFRESH_320X200 + row; }
int LabelId(int row) { return IDC_LABEL_320X200 - row; }

int RowOf(int width, int height) {
  for (int row = 0; row < kRows; ++row)
    if (kSizes[row].width == width && kSizes[row].height == height) return row;
  return -1;
}

std::string KeyText(int width, int height) {
  return managed::ModeKeyText(width, height);
}

std::string KeyText(int row) {
  return KeyText(kSizes[row].width, kSizes[row].height);
}

std::string RateValueName(int width, int height) {
  return names::kRefreshRatePrefix + SizeEntry(width, height);
}

std::string RateValueName(int row) {
  return RateValueName(kSizes[row].width, kSizes[row].height);
}

}  // namespace display
