#include "ui/gamma_group.h"

#include <cstdio>

namespace ui {

GammaGroup::GammaGroup(GammaControls controls, GammaRange range)
    : controls_(controls), range_(range) {}

void GammaGroup::ShowStored(
    Controls& controls, const std::array<std::string, kChannels>& texts) const {
  for (int channel = 0; channel < kChannels; ++channel) {
    const std::string& text = texts[channel];
    controls.SetText(controls_.edits[channel],
                     (text.empty() ? std::string(range_.missing) : text)
                         .substr(0, 4));
  }
}

void GammaGroup::ShowLink(Controls& controls) const {
  controls.SetCheck(controls_.linkBox, linked);
}

void GammaGroup::ShowDefault(Controls& controls, const char* text) {
  for (int edit : controls_.edits) controls.SetText(edit, text);
  linked = true;
  ShowLink(controls);
}

void GammaGroup::LinkClicked(Controls& controls) {
  linked = controls.IsChecked(controls_.linkBox);
}

void GammaGroup::Exchange(DataExchange& exchange) {
  for (int channel = 0; channel < kChannels; ++channel)
    exchange.Number(controls_.edits[channel], values[channel]);
}

int GammaGroup::ChannelOf(int stepper) const {
  for (int channel = 0; channel < kChannels; ++channel)
    if (controls_.steppers[channel] == stepper) return channel;
  return -1;
}

void GammaGroup::Step(int channel, int delta) {
  double value = (values[channel] * 100 - delta) * 0.01;
  if (value > range_.high) value = range_.high;
  if (value < range_.low) value = range_.low;
  if (linked)
    values.fill(value);
  else
    values[channel] = value;
}

std::string GammaGroup::Stored(int channel) const {
  char text[32];
  std::snprintf(text, sizeof text, "%7.6lf", values[channel]);
  return text;
}

}  // namespace ui
