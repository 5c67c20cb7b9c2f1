#pragma once

#include <string>

// The fourteen screen sizes of the refresh-rate group, row 0 first: the
// order in which every load and apply walks them.
namespace display {

inline constexpr int kRows = 14;

struct Size {
  int width;
  int height;
};

inline constexpr Size kSizes[kRows] = {
    {320, 200},  {320, 240},   {400, 300},   {512, 384},   {640, 400},
    {640, 480},  {800, 600},   {1024, 768},  {1152, 864},  {1280, 1024},
    {1600, 1200}, {1792, 1344}, {1856, 1392}, {1920, 1440}};

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
