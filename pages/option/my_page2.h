#pragma once

#include "ui/property_page.h"

// The "Option" page (dialog 1001).
class CMyPage2 : public ui::PropertyPage {
 public:
  explicit CMyPage2(os::Services& services);
};
