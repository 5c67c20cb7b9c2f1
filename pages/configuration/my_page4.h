#pragma once

#include "ui/property_page.h"

// The "Configuration" page (dialog 1003).
class CMyPage4 : public ui::PropertyPage {
 public:
  explicit CMyPage4(os::Services& services);
};
