#pragma once

namespace ui {

// The tooltip of a page's control (res/controls.h), or null for a control
// without one. The texts last as long as the program.
const char* TipText(int control);

}  // namespace ui
