// The Configuration page on any registry, on either Windows family.
#include "fuzz/page_run.h"
#include "pages/configuration/my_page4.h"
#include "res/controls.h"
#include "res/resource.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  return fuzz::FuzzPage(
      data, size,
      {IDD_CONFIGURATION,
       {IDC_CONFIG_DEFAULT, IDC_CONFIG_RESET, IDC_CONFIG_APPLY},
       [](os::Services& services) {
         return std::make_unique<CMyPage4>(services);
       },
       {kNeedCardMessage}});
}
