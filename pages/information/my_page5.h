#pragma once

#include "ui/property_page.h"

// The "Information" page (dialog 1004): the program's name and version and
// two picture buttons that open the update page and a news site.
class CMyPage5 : public ui::PropertyPage {
 public:
  explicit CMyPage5(os::Services& services);

  bool OnInitDialog() override;
  bool OnCommand(int id, int notification) override;
};
