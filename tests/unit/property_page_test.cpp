#include <gtest/gtest.h>

#include "machine.h"
#include "page_fixture.h"
#include "pages/information/my_page5.h"
#include "pages/information/web_links.h"
#include "res/controls.h"
#include "ui/property_page.h"

namespace {

// A page with two gamma-like numbers behind edits 1 and 2, and a Reset
// button (3) bound to the shared handler.
class NumberPage : public ui::PropertyPage {
 public:
  explicit NumberPage(os::Services& services) : PropertyPage(1000, services) {}
  void DoDataExchange(ui::DataExchange& exchange) override {
    exchange.Number(1, first);
    exchange.Number(2, second);
  }
  bool OnSetActive() override {
    ++activations;
    return PropertyPage::OnSetActive();
  }
  bool OnCommand(int id, int notification) override {
    if (id != 3 || notification != ui::kClicked) return false;
    OnReset();
    return true;
  }
  double first = 1.3;
  double second = 0.0;
  int activations = 0;
};

class PropertyPageTest : public ::testing::Test, protected Machine {
 protected:
  void SetUp() override {
    controls.Declare(1, fakes::ControlKind::Edit);
    controls.Declare(2, fakes::ControlKind::Edit);
    controls.Declare(3, fakes::ControlKind::PushButton);
    page.Bind(controls);
  }
  fakes::FakeControls controls;
  NumberPage page{services};
};

TEST_F(PropertyPageTest, InitialisationShowsTheMembers) {
  page.OnInitDialog();
  EXPECT_EQ("1.3", controls.Text(1));
  EXPECT_EQ("0", controls.Text(2));
}

TEST_F(PropertyPageTest, LaterActivationsReloadTheEditsFromTheMembers) {
  page.OnInitDialog();
  page.first = 2.25;
  page.OnSetActive();
  EXPECT_EQ("1.3", controls.Text(1));  // the first activation follows init
  page.OnSetActive();
  EXPECT_EQ("2.25", controls.Text(1));
}

TEST_F(PropertyPageTest, SavingParsesEveryEdit) {
  page.OnInitDialog();
  controls.SetText(1, " 0.45 ");
  controls.SetText(2, "-1e-2");
  EXPECT_TRUE(page.UpdateData(true));
  EXPECT_DOUBLE_EQ(0.45, page.first);
  EXPECT_DOUBLE_EQ(-0.01, page.second);
  EXPECT_TRUE(shell.messages.empty());
}

TEST_F(PropertyPageTest, ATextThatIsNoNumberStopsTheExchangeThere) {
  page.OnInitDialog();
  controls.SetText(1, "abc");
  controls.SetText(2, "2");
  EXPECT_FALSE(page.UpdateData(true));
  ASSERT_EQ(1u, shell.messages.size());
  EXPECT_EQ("Please enter a number.", shell.messages[0].text);
  EXPECT_EQ("kvtune", shell.messages[0].caption);
  EXPECT_EQ(os::Icon::Exclamation, shell.messages[0].icon);
  EXPECT_EQ(1, controls.Focused());
  EXPECT_DOUBLE_EQ(1.3, page.first);
  EXPECT_DOUBLE_EQ(0.0, page.second);  // the exchange stopped at edit 1
}

TEST_F(PropertyPageTest, ResetRunsTheActivationAgain) {
  page.OnInitDialog();
  page.OnSetActive();
  EXPECT_TRUE(page.OnCommand(3, ui::kClicked));
  EXPECT_EQ(2, page.activations);
  EXPECT_FALSE(page.OnCommand(3, 5));
  EXPECT_EQ(0, page.OnDeltaPos(1, -1));
}

class InformationPageTest : public ::testing::Test, protected Machine {
 protected:
  void SetUp() override {
    DeclareDialog(controls, 1004);
    page.Bind(controls);
  }
  fakes::FakeControls controls;
  CMyPage5 page{services};
};

TEST_F(InformationPageTest, PutsTheBitmapsOnTheButtons) {
  EXPECT_TRUE(page.OnInitDialog());
  EXPECT_EQ(134, controls.ButtonBitmap(IDC_UPDATES_BUTTON));
  EXPECT_EQ(137, controls.ButtonBitmap(IDC_NEWS_BUTTON));
}

TEST_F(InformationPageTest, EachPressOpensItsAddressOnceAndWritesNothing) {
  page.OnInitDialog();
  page.OnSetActive();
  const std::string before = registry.Dump();
  EXPECT_TRUE(page.OnCommand(IDC_UPDATES_BUTTON, ui::kClicked));
  EXPECT_TRUE(page.OnCommand(IDC_NEWS_BUTTON, ui::kClicked));
  EXPECT_TRUE(page.OnCommand(IDC_NEWS_BUTTON, ui::kClicked));
  EXPECT_FALSE(page.OnCommand(IDC_NEWS_BUTTON, 5));
  EXPECT_EQ((std::vector<std::string>{kUpdatesAddress, kNewsAddress,
                                      kNewsAddress}),
            shell.openedPages);
  page.OnSetActive();
  EXPECT_EQ(before, registry.Dump());
}

}  // namespace
