#pragma once

#include "ui/property_page.h"

// The "Display" page (dialog 1002).
class CMyPage3 : public ui::PropertyPage {
 public:
  explicit CMyPage3(os::Services& services);
};
