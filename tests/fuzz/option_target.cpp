// The Option page on any registry and desktop mode, on either family.
#include "fuzz/page_run.h"
#include "pages/option/memory_size.h"
#include "pages/option/my_page2.h"
#include "res/controls.h"
#include "res/resource.h"
#include "ui/restart_prompt.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  return fuzz::FuzzPage(
      data, size,
      {IDD_OPTION,
       {IDC_OPTION_DEFAULT, IDC_OPTION_RESET, IDC_OPTION_APPLY},
       [](os::Services& services) {
         return std::make_unique<CMyPage2>(services);
       },
       {ui::kRestartQuestion, memory_size::kWideDesktopMessage},
       true});
}
