#pragma once

#include <windows.h>
#include <prsht.h>

#include "ui/property_page.h"
#include "ui/win32/common_controls.h"

namespace ui {

// The property sheet page of a page object: its dialog template and the
// dialog procedure that hands the dialog's messages to the page.
HPROPSHEETPAGE MakeSheetPage(const CommonControls& controls,
                             HINSTANCE instance, PropertyPage& page);

}  // namespace ui
