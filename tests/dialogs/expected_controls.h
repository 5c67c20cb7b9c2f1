#pragma once

#include <vector>

// What each property page must hold when its dialog has just been created from
// the program's resources: every control that has an id, with its kind, its
// text, its rectangle in dialog units as the template gives it, and whether it
// starts enabled.
//
// An up-down control aligns itself to its buddy edit when it is created: it
// moves next to the edit's right edge and narrows the edit. The rectangles of
// the up-downs and their buddies here are those of the template.
namespace expected {

// A control's class and the style bits that decide how it behaves.
enum class Kind {
  Static,        // "Static", left-aligned text
  PushButton,    // "Button", BS_PUSHBUTTON
  CheckBox,      // "Button", BS_AUTOCHECKBOX
  ReadOnlyEdit,  // "Edit", ES_READONLY
  // "msctls_updown32": right-aligned to the edit before it in the template,
  // which becomes its buddy, with arrow keys; it never writes the edit.
  UpDown,
  DropDown,        // "ComboBox", CBS_DROPDOWN: an edit field, unsorted
  SortedDropDown,  // "ComboBox", CBS_DROPDOWN | CBS_SORT
};

// The class name Windows reports for a control of the kind.
const char* ClassName(Kind kind);

struct Control {
  int dialog;
  int id;
  Kind kind;
  const char* text;
  int left, top, width, height;
  bool enabled;
  const char* className = ClassName(kind);  // follows from the kind
};

// In dialog order 1000 to 1004; within a dialog, in no particular order.
const std::vector<Control>& Controls();

}  // namespace expected
