#include "contract/controls_contract.h"

#include "fakes/fake_controls.h"

namespace {

using ui::Controls;

constexpr int kAllIds[] = {kCheckId, kEditId, kListId, kDropDownId,
                           kButtonId};

struct NumberCase {
  const char* text;
  bool isSigned;
  bool read;
  long long value;
};

}  // namespace

void PrintTo(const ControlsUnderTest& controls, std::ostream* out) {
  *out << controls.name;
}

std::string ControlsName(
    const ::testing::TestParamInfo<ControlsUnderTest>& info) {
  return info.param.name;
}

ControlsUnderTest FakeControlsUnderTest() {
  using fakes::ControlKind;
  return {"Fake",
          [] {
            auto controls = std::make_unique<fakes::FakeControls>();
            controls->Declare(kCheckId, ControlKind::CheckBox);
            controls->Declare(kEditId, ControlKind::Edit);
            controls->Declare(kListId, ControlKind::DropDownList,
                              fakes::kSorted);
            controls->Declare(kDropDownId, ControlKind::DropDown);
            controls->Declare(kButtonId, ControlKind::PushButton);
            return std::unique_ptr<Controls>(std::move(controls));
          },
          [](Controls& controls) {
            return static_cast<fakes::FakeControls&>(controls).Focused();
          }};
}

std::vector<std::string> ControlsContract::Items(int id) {
  std::vector<std::string> items;
  for (int i = 0; i < controls_->ItemCount(id); ++i) {
    items.push_back(controls_->ItemText(id, i));
  }
  return items;
}

TEST_P(ControlsContract, CheckBoxStartsUncheckedAndKeepsItsState) {
  EXPECT_FALSE(controls_->IsChecked(kCheckId));
  controls_->SetCheck(kCheckId, true);
  EXPECT_TRUE(controls_->IsChecked(kCheckId));
  controls_->SetCheck(kCheckId, false);
  EXPECT_FALSE(controls_->IsChecked(kCheckId));
}

TEST_P(ControlsContract, ControlsStartEnabledAndFollowEnable) {
  for (int id : kAllIds) EXPECT_TRUE(controls_->IsEnabled(id)) << id;
  controls_->Enable(kDropDownId, false);
  EXPECT_FALSE(controls_->IsEnabled(kDropDownId));
  EXPECT_TRUE(controls_->IsEnabled(kListId));
  controls_->Enable(kDropDownId, true);
  EXPECT_TRUE(controls_->IsEnabled(kDropDownId));
}

TEST_P(ControlsContract, TextsOfAnyLengthComeBackWhole) {
  std::string longText(5000, 'v');
  longText.back() = 'Z';
  for (int id : {kEditId, kCheckId, kDropDownId}) {
    EXPECT_EQ("", controls_->Text(id)) << id;
    controls_->SetText(id, "Voodoo Banshee");
    EXPECT_EQ("Voodoo Banshee", controls_->Text(id)) << id;
    controls_->SetText(id, longText);
    EXPECT_EQ(longText, controls_->Text(id)) << id;
    controls_->SetText(id, "");
    EXPECT_EQ("", controls_->Text(id)) << id;
  }
}

TEST_P(ControlsContract, WholeNumbersAsGetDlgItemIntReadsThem) {
  // Left out: exactly 2147483647 or -2147483648 signed and 4294967295
  // unsigned, which Wine fails only after an earlier overflow, because it
  // tests an errno it never clears.
  const NumberCase cases[] = {
      {"42", true, true, 42},
      {"42", false, true, 42},
      {" 42", true, true, 42},
      {"\t42", false, true, 42},
      {"+5", true, true, 5},
      {"-7", true, true, -7},
      // Read unsigned, a minus sign negates modulo 2^32.
      {"-7", false, true, 4294967289LL},
      {"- 7", true, false, 0},
      // Wine takes the digits and ignores whatever follows them.
      {"12MHz", true, true, 12},
      {"12MHz", false, true, 12},
      {"1.5", false, true, 1},
      {"0x10", false, true, 0},
      {"", true, false, 0},
      {"", false, false, 0},
      {"   ", false, false, 0},
      {"abc", true, false, 0},
      {"99999999999", true, false, 0},
      {"99999999999", false, false, 0},
      {"2147483648", true, false, 0},
      {"2147483648", false, true, 2147483648LL},
      {"-2147483647", true, true, -2147483647LL},
      // msvcrt's strtoul answers 1 for a negative number beyond its range.
      {"-99999999999", false, true, 1},
      // Only the first 29 characters are read: this is 4.
      {"000000000000000000000000000042", true, true, 4},
  };
  for (const NumberCase& c : cases) {
    SCOPED_TRACE(std::string("\"") + c.text + (c.isSigned ? "\" signed"
                                                          : "\" unsigned"));
    controls_->SetText(kEditId, c.text);
    long long value = 12345;
    EXPECT_EQ(c.read, controls_->WholeNumber(kEditId, c.isSigned, value));
    EXPECT_EQ(c.read ? c.value : 12345, value);
  }
}

TEST_P(ControlsContract, FocusGoesToTheNamedControl) {
  EXPECT_EQ(std::nullopt, Focused());
  for (int id : {kEditId, kDropDownId, kListId, kCheckId}) {
    controls_->Focus(id);
    EXPECT_EQ(id, Focused());
  }
}

TEST_P(ControlsContract, DisabledControlsNeitherTakeNorKeepTheFocus) {
  controls_->Focus(kEditId);
  controls_->Enable(kCheckId, false);
  controls_->Focus(kCheckId);
  EXPECT_EQ(kEditId, Focused());
  // Disabling the control with the focus hands it to the next one that
  // takes it, past the disabled check box.
  controls_->Enable(kEditId, false);
  EXPECT_EQ(kListId, Focused());
}

TEST_P(ControlsContract, SortedComboOrdersLikeCompareStringWithoutCase) {
  // Punctuation before digits before letters; digits one by one, not as
  // numbers.
  for (const char* text : {"b", "A", "a", "_x", "10", "9"}) {
    controls_->AddItem(kListId, text);
  }
  EXPECT_EQ((std::vector<std::string>{"_x", "10", "9", "a", "A", "b"}),
            Items(kListId));

  controls_->ClearItems(kListId);
  EXPECT_EQ(0, controls_->AddItem(kListId, "1024 x 768"));
  EXPECT_EQ(0, controls_->AddItem(kListId, " 800 x 600"));
  EXPECT_EQ(2, controls_->AddItem(kListId, "1280 x 1024"));
  EXPECT_EQ(2, controls_->AddItem(kListId, "1280 x  960"));
  EXPECT_EQ(0, controls_->AddItem(kListId, " 640 x 480"));
  EXPECT_EQ((std::vector<std::string>{" 640 x 480", " 800 x 600",
                                      "1024 x 768", "1280 x  960",
                                      "1280 x 1024"}),
            Items(kListId));

  // Hyphens and apostrophes count only between texts otherwise equal, and
  // then the text whose first one stands later comes first.
  controls_->ClearItems(kListId);
  for (const char* text : {"-ab", "a-b", "ac", "a'b", "ab", "a b"}) {
    controls_->AddItem(kListId, text);
  }
  EXPECT_EQ((std::vector<std::string>{"a b", "ab", "a'b", "a-b", "-ab", "ac"}),
            Items(kListId));
}

TEST_P(ControlsContract, SortedComboPutsEqualEntriesWhereItsSearchMeetsThem) {
  // A binary search: an equal entry goes before the first equal one it
  // meets, which is not always the first of them.
  EXPECT_EQ(0, controls_->AddItem(kListId, "X"));
  EXPECT_EQ(0, controls_->AddItem(kListId, "x"));
  EXPECT_EQ(0, controls_->AddItem(kListId, "X"));
  EXPECT_EQ(1, controls_->AddItem(kListId, "x"));
  EXPECT_EQ((std::vector<std::string>{"X", "x", "x", "X"}), Items(kListId));
}

TEST_P(ControlsContract, UnsortedComboKeepsTheOrderOfAdding) {
  EXPECT_EQ(0, controls_->ItemCount(kDropDownId));
  EXPECT_EQ(0, controls_->AddItem(kDropDownId, "b"));
  EXPECT_EQ(1, controls_->AddItem(kDropDownId, "A"));
  EXPECT_EQ(2, controls_->AddItem(kDropDownId, "10"));
  EXPECT_EQ((std::vector<std::string>{"b", "A", "10"}), Items(kDropDownId));
  EXPECT_EQ("", controls_->ItemText(kDropDownId, 3));
  EXPECT_EQ("", controls_->ItemText(kDropDownId, Controls::kNone));
  controls_->ClearItems(kDropDownId);
  EXPECT_EQ(0, controls_->ItemCount(kDropDownId));
}

TEST_P(ControlsContract, CurrentEntryFollowsItsEntryAndMayBeNone) {
  EXPECT_EQ(Controls::kNone, controls_->CurrentIndex(kListId));
  for (const char* text : {"a", "b", "c"}) controls_->AddItem(kListId, text);
  EXPECT_EQ(Controls::kNone, controls_->CurrentIndex(kListId));
  controls_->SetCurrentIndex(kListId, 1);
  EXPECT_EQ(1, controls_->CurrentIndex(kListId));
  // Wine keeps the selection for an index out of range where Windows clears
  // it; the adapter clears it on both.
  controls_->SetCurrentIndex(kListId, 3);
  EXPECT_EQ(Controls::kNone, controls_->CurrentIndex(kListId));
  controls_->SetCurrentIndex(kListId, 2);
  controls_->SetCurrentIndex(kListId, Controls::kNone);
  EXPECT_EQ(Controls::kNone, controls_->CurrentIndex(kListId));

  controls_->SetCurrentIndex(kListId, 1);
  EXPECT_EQ(0, controls_->AddItem(kListId, "0"));
  EXPECT_EQ(2, controls_->CurrentIndex(kListId));
  EXPECT_EQ("b", controls_->Text(kListId));
  controls_->ClearItems(kListId);
  EXPECT_EQ(Controls::kNone, controls_->CurrentIndex(kListId));
}

TEST_P(ControlsContract, DropDownListShowsItsCurrentEntry) {
  for (const char* text : {"16", " 8", "32"}) controls_->AddItem(kListId, text);
  EXPECT_EQ("", controls_->Text(kListId));
  controls_->SetCurrentIndex(kListId, controls_->FindExact(kListId, "16", -1));
  EXPECT_EQ("16", controls_->Text(kListId));
  long long value = 0;
  EXPECT_TRUE(controls_->WholeNumber(kListId, false, value));
  EXPECT_EQ(16, value);
  controls_->SetCurrentIndex(kListId, Controls::kNone);
  EXPECT_EQ("", controls_->Text(kListId));
}

TEST_P(ControlsContract, DropDownEditFieldFollowsTheCurrentEntryAndTyping) {
  for (const char* text : {"one", "two", "three"}) {
    controls_->AddItem(kDropDownId, text);
  }
  EXPECT_EQ("", controls_->Text(kDropDownId));
  controls_->SetCurrentIndex(kDropDownId, 1);
  EXPECT_EQ("two", controls_->Text(kDropDownId));
  // Typed text, even an entry's, leaves the current entry as it was.
  controls_->SetText(kDropDownId, "THREE");
  EXPECT_EQ("THREE", controls_->Text(kDropDownId));
  EXPECT_EQ(1, controls_->CurrentIndex(kDropDownId));
  controls_->AddItem(kDropDownId, "four");
  EXPECT_EQ("THREE", controls_->Text(kDropDownId));
  controls_->SetCurrentIndex(kDropDownId, 1);
  EXPECT_EQ("two", controls_->Text(kDropDownId));
  controls_->SetCurrentIndex(kDropDownId, Controls::kNone);
  EXPECT_EQ("", controls_->Text(kDropDownId));
  // Emptying the list empties the edit field too.
  controls_->SetText(kDropDownId, "kept?");
  controls_->ClearItems(kDropDownId);
  EXPECT_EQ("", controls_->Text(kDropDownId));
}

TEST_P(ControlsContract, PrefixSearchIgnoresCaseStartsAfterAndWrapsRound) {
  EXPECT_EQ(Controls::kNone, controls_->FindPrefix(kDropDownId, "a", -1));
  for (const char* text : {"apple", "Banana", "apricot", "cherry", "APPLE"}) {
    controls_->AddItem(kDropDownId, text);
  }
  EXPECT_EQ(0, controls_->FindPrefix(kDropDownId, "ap", Controls::kNone));
  EXPECT_EQ(2, controls_->FindPrefix(kDropDownId, "ap", 0));
  EXPECT_EQ(4, controls_->FindPrefix(kDropDownId, "ap", 2));
  EXPECT_EQ(0, controls_->FindPrefix(kDropDownId, "ap", 4));
  // A start beyond the last entry searches from the first.
  EXPECT_EQ(0, controls_->FindPrefix(kDropDownId, "AP", 9));
  EXPECT_EQ(1, controls_->FindPrefix(kDropDownId, "banana", 1));
  EXPECT_EQ(2, controls_->FindPrefix(kDropDownId, "APR", Controls::kNone));
  EXPECT_EQ(Controls::kNone, controls_->FindPrefix(kDropDownId, "applex", -1));
  // An empty prefix finds nothing.
  EXPECT_EQ(Controls::kNone, controls_->FindPrefix(kDropDownId, "", -1));
  // The list box also looks inside a directory's brackets.
  controls_->AddItem(kDropDownId, "[docs]");
  EXPECT_EQ(5, controls_->FindPrefix(kDropDownId, "doc", -1));
}

TEST_P(ControlsContract, ExactSearchIgnoresCaseStartsAfterAndWrapsRound) {
  for (const char* text : {"apple", "Banana", "ap-ple", "APPLE", ""}) {
    controls_->AddItem(kDropDownId, text);
  }
  EXPECT_EQ(0, controls_->FindExact(kDropDownId, "Apple", Controls::kNone));
  EXPECT_EQ(3, controls_->FindExact(kDropDownId, "apple", 0));
  EXPECT_EQ(0, controls_->FindExact(kDropDownId, "apple", 3));
  EXPECT_EQ(2, controls_->FindExact(kDropDownId, "AP-PLE", 4));
  EXPECT_EQ(Controls::kNone, controls_->FindExact(kDropDownId, "appl", -1));
  // An empty text finds nothing, not even an empty entry.
  EXPECT_EQ(Controls::kNone, controls_->FindExact(kDropDownId, "", -1));
  EXPECT_EQ(Controls::kNone, controls_->FindExact(kListId, "apple", -1));
}
