#include "scenario.h"

#include "e2e_paths.h"
#include "program_run.h"
#include "registry_check.h"
#include "window_control.h"

namespace e2e {

testing::AssertionResult RunsWithoutMessage() {
  ProgramRun program(ProgramPath());
  if (!program.Started())
    return testing::AssertionFailure() << "cannot start " << ProgramPath();
  if (!program.WaitUntilSettled())
    return testing::AssertionFailure()
           << "neither ended nor showed a dialog in " << kPatience << " ms";
  if (program.Ended() && program.ExitCode() != 0)
    return testing::AssertionFailure()
           << "ended with exit code 0x" << std::hex << program.ExitCode();
  for (HWND dialog : TopLevelWindows(program.ProcessId(), kDialogClass)) {
    if (WindowText(dialog) == kMessageCaption)
      return testing::AssertionFailure()
             << "showed the message \"" << ControlText(dialog, kMessageText)
             << "\"";
  }
  return testing::AssertionSuccess();
}

void ExpectVersions(const std::string& glide2, const std::string& glide3,
                    const std::string& directX) {
  EXPECT_TRUE(HasText(kCommon, "version", "2.30"));
  EXPECT_TRUE(HasText(kCommon, "glide2version", glide2));
  EXPECT_TRUE(HasText(kCommon, "glide3version", glide3));
  EXPECT_TRUE(HasText(kCommon, "directxversion", directX));
}

}  // namespace e2e
