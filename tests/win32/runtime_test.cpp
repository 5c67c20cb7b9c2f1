// The release's start-up code and number functions (runtime/), in a probe
// built on them for this machine and run under Wine.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "runtime_probe.h"

TEST(ReleaseRuntime, StartsTheProgramAndHandlesNumbersAsMsvcrtDoes) {
  const char* path = std::getenv("KVT_RUNTIME_PROBE");
  ASSERT_NE(path, nullptr);
  std::string command = std::string("\"") + path + "\"  " + probe::kTail;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE,
                             0, nullptr, nullptr, &startup, &process));
  ASSERT_EQ(WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0);
  DWORD failed = 0;
  GetExitCodeProcess(process.hProcess, &failed);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  EXPECT_EQ(failed, 0u) << "failed checks (runtime_probe.h): " << failed;
}
