#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "machine.h"
#include "ui/restart_prompt.h"

namespace {

using Requests = std::vector<std::string>;
using ui::RestartForm;

struct RestartCase {
  const char* name;
  RestartForm form;
  os::Answer answer;
  bool tokenOpens;
  bool privilegeKnown;
  long enableError;
  Requests requests;
};

const Requests kEnabled = {"OpenProcessToken",
                           "LookupPrivilege SeShutdownPrivilege",
                           "EnablePrivilege", "CloseToken"};

Requests With(Requests requests, const char* last) {
  requests.push_back(last);
  return requests;
}

TEST(AskRestart, AsksOnceAndRequestsOnlyWhatTheFormAllows) {
  const RestartCase cases[] = {
      {"No on 95", RestartForm::Windows95, os::Answer::No, true, true, 0, {}},
      {"No on NT", RestartForm::WindowsNT, os::Answer::No, true, true, 0, {}},
      {"Yes on 95: plain", RestartForm::Windows95, os::Answer::Yes, true, true,
       0, {"Restart plain"}},
      {"Yes on NT: forced", RestartForm::WindowsNT, os::Answer::Yes, true,
       true, 0, With(kEnabled, "Restart forced")},
      {"privilege not held", RestartForm::WindowsNT, os::Answer::Yes, true,
       true, 1300, kEnabled},
      {"token refused", RestartForm::WindowsNT, os::Answer::Yes, false, true,
       0, {"OpenProcessToken"}},
      {"privilege unknown", RestartForm::WindowsNT, os::Answer::Yes, true,
       false, 0,
       {"OpenProcessToken", "LookupPrivilege SeShutdownPrivilege",
        "CloseToken"}},
  };
  for (const RestartCase& c : cases) {
    SCOPED_TRACE(c.name);
    Machine machine;
    machine.shell.answers = {c.answer};
    machine.power.tokenOpens = c.tokenOpens;
    machine.power.privilegeKnown = c.privilegeKnown;
    machine.power.enableError = c.enableError;

    ui::AskRestart(machine.services, c.form);

    ASSERT_EQ(1u, machine.shell.messages.size());
    const fakes::ShownMessage& shown = machine.shell.messages[0];
    EXPECT_EQ("kvtune", shown.caption);
    EXPECT_EQ(
        "You need to RESTART the computer for the new settings.\n"
        "Do you want to RESTART now?",
        shown.text);
    EXPECT_EQ(os::Buttons::YesNo, shown.buttons);
    EXPECT_EQ(os::Icon::Exclamation, shown.icon);
    EXPECT_EQ(c.requests, machine.power.requests);
  }
}

}  // namespace
