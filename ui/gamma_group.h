#pragma once

#include <array>
#include <string>

#include "ui/controls.h"
#include "ui/data_exchange.h"

namespace ui {

// Red, green and blue, in that order.
inline constexpr int kChannels = 3;

struct GammaControls {
  std::array<int, kChannels> edits;
  std::array<int, kChannels> steppers;
  int linkBox;
};

struct GammaRange {
  double low;
  double high;
  // The stored text that a missing or empty gamma counts as.
  const char* missing;
};

// A group of three gamma channels, each a read-only edit with a stepper, and
// a "Link RGB" box that makes a step move all three. A step moves a channel
// by 0.01 and keeps it within the range. The page exchanges the values with
// the edits and decides what the link box means at load.
class GammaGroup {
 public:
  GammaGroup(GammaControls controls, GammaRange range);

  // Each stored text's first four characters, an empty text counting as
  // the range's missing one. The exchange then turns them into the values.
  void ShowStored(Controls& controls,
                  const std::array<std::string, kChannels>& texts) const;
  void ShowLink(Controls& controls) const;
  // Default: every edit shows `text`, and the channels are linked.
  void ShowDefault(Controls& controls, const char* text);
  void LinkClicked(Controls& controls);

  void Exchange(DataExchange& exchange);
  // The channel a stepper belongs to, or -1 when it is another group's.
  int ChannelOf(int stepper) const;
  // The up-down's delta is negative for its upper arrow, which raises the
  // value.
  void Step(int channel, int delta);
  // A value as the driver reads it: "%7.6lf".
  std::string Stored(int channel) const;

  std::array<double, kChannels> values{};
  bool linked = true;

 private:
  GammaControls controls_;
  GammaRange range_;
};

}  // namespace ui
