#include "ui/property_page.h"

namespace ui {

PropertyPage::PropertyPage(int dialogId, os::Services& services)
    : dialogId_(dialogId), services_(services) {}

bool PropertyPage::OnInitDialog() {
  UpdateData(false);
  return true;
}

bool PropertyPage::OnSetActive() {
  if (firstActivation_)
    firstActivation_ = false;
  else
    UpdateData(false);
  return true;
}

bool PropertyPage::OnCommand(int, int) { return false; }

int PropertyPage::OnDeltaPos(int, int) { return 0; }

void PropertyPage::DoDataExchange(DataExchange&) {}

bool PropertyPage::UpdateData(bool save) {
  DataExchange exchange(*controls_, services_, save);
  DoDataExchange(exchange);
  return !exchange.Failed();
}

}  // namespace ui
