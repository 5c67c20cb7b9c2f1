#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <functional>
#include <memory>
#include <set>
#include <string>

#include "ui/settings_page.h"
#include "unit/machine.h"

namespace fuzz {

using PageFactory =
    std::function<std::unique_ptr<ui::SettingsPage>(os::Services&)>;

struct PageUnderTest {
  int dialogId;
  ui::PageButtons buttons;
  PageFactory make;
  // The only messages the page may show.
  std::set<std::string> messages;
  // Whether the input also decides the display-mode list and the desktop.
  bool decidesDisplay = false;
};

// One life of a settings page on the machine: initialise and activate,
// a few steps the input picks (a click on an enabled check box or button,
// a combo selection, an up-down step, another activation), Default, Apply.
// Then the page is activated again and must show exactly what a freshly
// created page shows from the registry: what Apply stored reads back as
// what the page held. No key may stay open.
void RunPage(FuzzedDataProvider& input, Machine& machine,
             const PageUnderTest& page);
// A whole fuzz input for a page: the Windows family, the display when the
// page reads it, the registry, then one life of the page.
int FuzzPage(const std::uint8_t* data, std::size_t size,
             const PageUnderTest& page);

}  // namespace fuzz
