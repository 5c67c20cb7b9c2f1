#pragma once

#include "dialogs/expected_controls.h"
#include "fakes/fake_controls.h"

inline fakes::ControlKind FakeKind(expected::Kind kind) {
  using expected::Kind;
  using fakes::ControlKind;
  switch (kind) {
    case Kind::Static:
      return ControlKind::Static;
    case Kind::PushButton:
      return ControlKind::PushButton;
    case Kind::CheckBox:
      return ControlKind::CheckBox;
    case Kind::ReadOnlyEdit:
      return ControlKind::Edit;
    case Kind::UpDown:
      return ControlKind::UpDown;
    case Kind::DropDown:
    case Kind::SortedDropDown:
      return ControlKind::DropDown;
  }
  return ControlKind::Static;
}

// Declares a page's controls as its dialog template gives them.
inline void DeclareDialog(fakes::FakeControls& controls, int dialog) {
  for (const expected::Control& control : expected::Controls()) {
    if (control.dialog != dialog) continue;
    unsigned style = control.enabled ? 0u : fakes::kDisabled;
    if (control.kind == expected::Kind::SortedDropDown) style |= fakes::kSorted;
    controls.Declare(control.id, FakeKind(control.kind), style);
  }
}
