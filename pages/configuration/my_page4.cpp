#include "pages/configuration/my_page4.h"

#include "res/resource.h"

CMyPage4::CMyPage4(os::Services& services) : PropertyPage(IDD_CONFIGURATION, services) {}
