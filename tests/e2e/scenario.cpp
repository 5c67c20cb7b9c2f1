#include "scenario.h"

#include "e2e_paths.h"
#include "main_window.h"
#include "program_run.h"
#include "registry_check.h"
#include "window_control.h"

namespace e2e {

testing::AssertionResult RunsWithoutMessage(const std::string& path) {
  ProgramRun program(path);
  if (!program.Started())
    return testing::AssertionFailure() << "cannot start " << path;
  if (!program.WaitUntilSettled())
    return testing::AssertionFailure()
           << "neither ended nor showed a dialog in " << kPatience << " ms";
  for (HWND dialog : TopLevelWindows(program.ProcessId(), kDialogClass)) {
    if (WindowText(dialog) == kMessageCaption)
      return testing::AssertionFailure()
             << "showed the message \"" << ControlText(dialog, kMessageText)
             << "\"";
  }
  if (program.Ended()) return EndsNormally(program);
  const HWND sheet = WaitForMainWindow(program);
  if (sheet == nullptr)
    return testing::AssertionFailure() << "runs without its main window";
  return Unload(program, sheet);
}

void ExpectVersions(const std::string& glide2, const std::string& glide3,
                    const std::string& directX) {
  EXPECT_TRUE(HasText(kCommon, "version", "2.30"));
  EXPECT_TRUE(HasText(kCommon, "glide2version", glide2));
  EXPECT_TRUE(HasText(kCommon, "glide3version", glide3));
  EXPECT_TRUE(HasText(kCommon, "directxversion", directX));
}

}  // namespace e2e
