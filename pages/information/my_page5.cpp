#include "pages/information/my_page5.h"

#include "pages/information/web_links.h"
#include "res/controls.h"
#include "res/resource.h"

CMyPage5::CMyPage5(os::Services& services)
    : PropertyPage(IDD_INFORMATION, services) {}

bool CMyPage5::OnInitDialog() {
  PropertyPage::OnInitDialog();
  controls().SetButtonBitmap(IDC_UPDATES_BUTTON, IDB_UPDATES);
  controls().SetButtonBitmap(IDC_NEWS_BUTTON, IDB_NEWS);
  return true;
}

bool CMyPage5::OnCommand(int id, int notification) {
  if (notification != ui::kClicked) return false;
  if (id == IDC_UPDATES_BUTTON) {
    services().shell.OpenWebPage(kUpdatesAddress);
    return true;
  }
  if (id == IDC_NEWS_BUTTON) {
    services().shell.OpenWebPage(kNewsAddress);
    return true;
  }
  return false;
}
