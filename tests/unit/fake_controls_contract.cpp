#include <stdexcept>

#include "contract/controls_contract.h"
#include "fakes/fake_controls.h"

INSTANTIATE_TEST_SUITE_P(InMemory, ControlsContract,
                         ::testing::Values(FakeControlsUnderTest()),
                         ControlsName);

namespace {

using fakes::ControlKind;

TEST(FakeControls, FailsLoudlyOnWhatNoPageMayDo) {
  fakes::FakeControls controls;
  controls.Declare(1, ControlKind::Edit);
  controls.Declare(2, ControlKind::DropDownList, fakes::kSorted);
  controls.Declare(3, ControlKind::CheckBox);
  EXPECT_THROW(controls.Text(99), std::logic_error);
  EXPECT_THROW(controls.Enable(99, false), std::logic_error);
  EXPECT_THROW(controls.IsChecked(1), std::logic_error);
  EXPECT_THROW(controls.AddItem(3, "entry"), std::logic_error);
  EXPECT_THROW(controls.SetButtonBitmap(1, 300), std::logic_error);
  EXPECT_THROW(controls.SetText(2, "typed"), std::logic_error);
  EXPECT_THROW(controls.FindPrefix(2, "a", -2), std::logic_error);
  EXPECT_THROW(controls.Declare(1, ControlKind::Static), std::logic_error);
  EXPECT_THROW(controls.Declare(4, ControlKind::Edit, fakes::kSorted),
               std::logic_error);
}

TEST(FakeControls, DeclaresDisabledControlsAndKeepsButtonBitmaps) {
  fakes::FakeControls controls;
  controls.Declare(1, ControlKind::UpDown, fakes::kDisabled);
  controls.Declare(2, ControlKind::PushButton);
  controls.Declare(3, ControlKind::Static);
  EXPECT_FALSE(controls.IsEnabled(1));
  EXPECT_TRUE(controls.IsEnabled(3));
  controls.Focus(1);
  EXPECT_EQ(std::nullopt, controls.Focused());

  EXPECT_EQ(std::nullopt, controls.ButtonBitmap(2));
  controls.SetButtonBitmap(2, 301);
  EXPECT_EQ(301, controls.ButtonBitmap(2));
}

}  // namespace
