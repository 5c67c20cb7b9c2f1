#include "scenario.h"

namespace e2e {
namespace {

// Starts the program on a machine without a Banshee, checks the message it
// shows, answers it, and checks that the process then ends having written
// nothing: the program's tree and the Run entry are as the profiles left
// them.
void ExpectNotFoundMessageAndNothingWritten() {
  const auto tree = TreeSnapshot(kTree);
  const auto run = TreeSnapshot(kRun);
  ProgramRun program(ProgramPath());
  ASSERT_TRUE(program.Started()) << "cannot start " << ProgramPath();

  ExpectMessageAndPressOk(program, "3Dfx VooDoo Banshee NOT FOUND.");
  ASSERT_TRUE(program.WaitForExit());
  EXPECT_EQ(0u, program.ExitCode());
  EXPECT_EQ(tree, TreeSnapshot(kTree));
  EXPECT_EQ(run, TreeSnapshot(kRun));
}

TEST(BansheeNotFound, OnWindows98TheUserIsToldAndNothingIsWritten) {
  ASSERT_TRUE(SeedMachine({"win98-no-banshee", "kvartune-earlier-start-98"}));
  ExpectNotFoundMessageAndNothingWritten();
}

TEST(BansheeNotFound, OnWindowsNTTheUserIsToldAndNothingIsWritten) {
  ASSERT_TRUE(SeedMachine({"nt40-other-chip", "kvartune-earlier-start-nt"}));
  ExpectNotFoundMessageAndNothingWritten();
}

}  // namespace
}  // namespace e2e
