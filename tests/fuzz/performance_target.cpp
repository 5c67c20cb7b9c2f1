// The Performance page on any registry and start-up file, on either family.
#include "fuzz/page_run.h"
#include "pages/performance/my_page1.h"
#include "res/controls.h"
#include "res/resource.h"
#include "ui/restart_prompt.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  return fuzz::FuzzPage(data, size,
                        {IDD_PERFORMANCE,
                         {IDC_PERF_DEFAULT, IDC_PERF_RESET, IDC_PERF_APPLY},
                         [](os::Services& services) {
                           return std::make_unique<CMyPage1>(services);
                         },
                         {ui::kRestartQuestion}});
}
