#pragma once

#include <string>

#include "dialogs/expected_controls.h"
#include "fakes/fake_controls.h"

// Declares a page's controls as its dialog template gives them.
inline void DeclareDialog(fakes::FakeControls& controls, int dialog) {
  for (const expected::Control& control : expected::Controls()) {
    if (control.dialog != dialog) continue;
    const std::string className = control.className;
    const std::string text = control.text;
    fakes::ControlKind kind = fakes::ControlKind::Static;
    if (className == "Edit") kind = fakes::ControlKind::Edit;
    if (className == "ComboBox") kind = fakes::ControlKind::DropDown;
    if (className == "msctls_updown32") kind = fakes::ControlKind::UpDown;
    if (className == "Button")
      kind = text.empty() || text == "Default" || text == "Reset" ||
                     text == "Apply"
                 ? fakes::ControlKind::PushButton
                 : fakes::ControlKind::CheckBox;
    controls.Declare(control.id, kind,
                     control.enabled ? 0u : fakes::kDisabled);
  }
}
