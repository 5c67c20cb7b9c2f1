#include "pages/option/my_page2.h"

#include "res/resource.h"

CMyPage2::CMyPage2(os::Services& services) : PropertyPage(IDD_OPTION, services) {}
