#pragma once

#include <vector>

// What each property page must hold when its dialog has just been created from
// the program's resources: every control that has an id, with the class name
// Windows reports for it, its text, its rectangle in dialog units as the
// template gives it, and whether it starts enabled.
//
// An up-down control aligns itself to its buddy edit when it is created: it
// moves next to the edit's right edge and narrows the edit. The rectangles of
// the up-downs and their buddies here are those of the template.
namespace expected {

struct Control {
  int dialog;
  int id;
  const char* className;
  const char* text;
  int left, top, width, height;
  bool enabled;
};

// In dialog order 1000 to 1004; within a dialog, in no particular order.
const std::vector<Control>& Controls();

}  // namespace expected
