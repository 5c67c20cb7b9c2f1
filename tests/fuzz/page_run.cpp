#include "fuzz/page_run.h"

#include <cstdio>

#include "dialogs/expected_controls.h"
#include "fuzz/registry_input.h"
#include "unit/page_fixture.h"

namespace fuzz {
namespace {

constexpr int kMaxSteps = 12;

std::vector<const expected::Control*> DialogControls(int dialogId) {
  std::vector<const expected::Control*> result;
  for (const expected::Control& control : expected::Controls())
    if (control.dialog == dialogId) result.push_back(&control);
  return result;
}

void Step(FuzzedDataProvider& input, ui::SettingsPage& page,
          fakes::FakeControls& controls,
          const std::vector<const expected::Control*>& dialog) {
  const expected::Control& control = *dialog[input.ConsumeIntegralInRange<
      std::size_t>(0, dialog.size() - 1)];
  // A disabled control takes no click; the step becomes another activation,
  // as when the user comes back to the page's tab.
  if (!controls.IsEnabled(control.id)) {
    page.OnSetActive();
    return;
  }
  using expected::Kind;
  switch (control.kind) {
    case Kind::CheckBox:
      controls.SetCheck(control.id, !controls.IsChecked(control.id));
      page.OnCommand(control.id, ui::kClicked);
      break;
    case Kind::PushButton:
      page.OnCommand(control.id, ui::kClicked);
      break;
    case Kind::DropDown:
    case Kind::SortedDropDown:
      controls.SetCurrentIndex(
          control.id, input.ConsumeIntegralInRange(
                          ui::Controls::kNone, controls.ItemCount(control.id)));
      page.OnCommand(control.id, ui::kSelectionChange);
      break;
    case Kind::UpDown:
      page.OnDeltaPos(control.id, input.ConsumeBool() ? 1 : -1);
      break;
    case Kind::ReadOnlyEdit:
    case Kind::Static:
      break;
  }
}

// Everything a user can see of the page's controls.
std::string Shown(fakes::FakeControls& controls,
                  const std::vector<const expected::Control*>& dialog) {
  std::string shown;
  for (const expected::Control* control : dialog) {
    const int id = control->id;
    shown += std::to_string(id) + (controls.IsEnabled(id) ? " on" : " off");
    using expected::Kind;
    switch (control->kind) {
      case Kind::CheckBox:
        shown += controls.IsChecked(id) ? " checked" : " unchecked";
        break;
      case Kind::DropDown:
      case Kind::SortedDropDown:
        shown += " " + std::to_string(controls.CurrentIndex(id)) + "/" +
                 std::to_string(controls.ItemCount(id));
        break;
      case Kind::ReadOnlyEdit:
        shown += " '" + controls.Text(id) + "'";
        break;
      default:
        break;
    }
    shown += "\n";
  }
  return shown;
}

// A page made on its dialog and activated, as the sheet first shows it.
std::unique_ptr<ui::SettingsPage> Show(const PageUnderTest& under,
                                       Machine& machine,
                                       fakes::FakeControls& controls) {
  DeclareDialog(controls, under.dialogId);
  std::unique_ptr<ui::SettingsPage> page = under.make(machine.services);
  page->Bind(controls);
  page->OnInitDialog();
  page->OnSetActive();
  return page;
}

}  // namespace

void RunPage(FuzzedDataProvider& input, Machine& machine,
             const PageUnderTest& under) {
  const auto dialog = DialogControls(under.dialogId);
  fakes::FakeControls controls;
  std::unique_ptr<ui::SettingsPage> page = Show(under, machine, controls);
  const int steps = input.ConsumeIntegralInRange(0, kMaxSteps);
  for (int i = 0; i < steps; ++i) Step(input, *page, controls, dialog);
  page->OnCommand(under.buttons.defaultButton, ui::kClicked);
  if (input.ConsumeBool()) Step(input, *page, controls, dialog);
  page->OnCommand(under.buttons.apply, ui::kClicked);
  page->OnSetActive();

  fakes::FakeControls fresh;
  std::unique_ptr<ui::SettingsPage> reloaded = Show(under, machine, fresh);
  const std::string shown = Shown(controls, dialog);
  const std::string readBack = Shown(fresh, dialog);
  if (shown != readBack)
    std::fprintf(stderr, "shown:\n%s\nread back:\n%s", shown.c_str(),
                 readBack.c_str());
  Require(shown == readBack,
          "after Apply the page shows what a fresh page reads back");

  for (const fakes::ShownMessage& message : machine.shell.messages)
    Require(under.messages.count(message.text) == 1,
            "the page shows only its own messages");
  Require(machine.registry.OpenHandles() == 0, "every key is closed");
}

int FuzzPage(const std::uint8_t* data, std::size_t size,
             const PageUnderTest& page) {
  FuzzedDataProvider input(data, size);
  Machine machine;
  if (input.ConsumeBool()) machine.UseNT();
  if (page.decidesDisplay) DecodeDisplay(input, machine.display);
  Decode(input, machine);
  RunPage(input, machine, page);
  return 0;
}

}  // namespace fuzz
