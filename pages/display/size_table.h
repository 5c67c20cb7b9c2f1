#pragma once

#include <string>

#include "machine/managed_set.h"

// The fourteen screen sizes of the refresh-rate group, row 0 first: the
// order in which every load and apply walks them.
namespace display {

inline constexpr int kRows = managed::kModeSizeCount;
inline constexpr const managed::ModeSize (&kSizes)[kRows] = managed::kModeSizes;

// The row's refresh list and its label.
int ListId(int row);
int LabelId(int row);
// The row of a size; -1 when the size is none of the fourteen.
int RowOf(int width, int height);

// The mode key's name of a size, below a depth: "1024,768".
std::string KeyText(int width, int height);
std::string KeyText(int row);
// Windows NT: the value that holds a size's rate: "REFRESHRATE1024 x  768".
std::string RateValueName(int width, int height);
std::string RateValueName(int row);

}  // namespace display
