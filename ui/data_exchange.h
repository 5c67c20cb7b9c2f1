#pragma once

#include "os/services.h"
#include "ui/controls.h"

namespace ui {

inline constexpr const char kNotANumberMessage[] = "Please enter a number.";

// Moves numbers between a page's members and its edits. Loading shows each
// number in the "%.*g" form with 15 digits; saving parses each edit, and a
// text that is no number shows "Please enter a number.", puts the focus on
// that edit and stops the exchange there.
class DataExchange {
 public:
  DataExchange(Controls& controls, os::Services& services, bool save);

  void Number(int id, double& member);
  bool Failed() const { return failed_; }

 private:
  Controls& controls_;
  os::Services& services_;
  bool save_;
  bool failed_ = false;
};

std::string FormatNumber(double value);
// False when the text, apart from spaces and tabs around it, is no finite
// decimal number.
bool ParseNumber(const std::string& text, double& value);

}  // namespace ui
