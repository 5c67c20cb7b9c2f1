#include "pages/performance/my_page1.h"

#include "res/resource.h"

CMyPage1::CMyPage1(os::Services& services) : PropertyPage(IDD_PERFORMANCE, services) {}
