#include "pages/display/my_page3.h"

#include "res/resource.h"

CMyPage3::CMyPage3(os::Services& services) : PropertyPage(IDD_DISPLAY, services) {}
