#pragma once

#include "ui/property_page.h"

// The "Performance" page (dialog 1000).
class CMyPage1 : public ui::PropertyPage {
 public:
  explicit CMyPage1(os::Services& services);
};
