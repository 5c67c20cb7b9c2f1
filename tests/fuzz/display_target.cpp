// The Display page on any registry, display-mode list and desktop mode, on
// either family.
#include "fuzz/page_run.h"
#include "pages/display/my_page3.h"
#include "res/controls.h"
#include "res/resource.h"
#include "ui/app_message.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  return fuzz::FuzzPage(
      data, size,
      {IDD_DISPLAY,
       {IDC_DISPLAY_DEFAULT, IDC_DISPLAY_RESET, IDC_DISPLAY_APPLY},
       [](os::Services& services) {
         return std::make_unique<CMyPage3>(services);
       },
       {kRefreshWillChangeMessage,
        QuestionText(kKeepRefreshMessage, kPreviousRate, kQuestionSeconds),
        kCannotChangeRefreshMessage, kCannotSetModeMessage,
        QuestionText(kKeepModeMessage, kPreviousMode, kQuestionSeconds)},
       true});
}
