#pragma once

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <string>
#include <vector>

#include "os/shell.h"

namespace fakes {

struct ShownMessage {
  std::string caption;
  std::string text;  // a question with a time-out: its first text
  os::Buttons buttons;
  os::Icon icon;
  // A question with a time-out: its text in the last second; else empty.
  std::string lastText;
};

// The user's answer to the next message box, or none (kNoAnswer).
struct Reply {
  Reply(os::Answer given, bool byTheUser = true)  // NOLINT: from an answer
      : answer(given), answered(byTheUser) {}
  os::Answer answer;
  bool answered;
};
// Nobody answers: a question with a time-out answers itself with Cancel, as
// its box does; any other box would wait forever, which ends the test run.
inline const Reply kNoAnswer(os::Answer::Cancel, false);

class FakeShell : public os::Shell {
 public:
  os::MutexState CreateNamedMutex(const std::string& name) override {
    mutexNames.push_back(name);
    return mutexState;
  }
  bool RestoreWindow(const std::string& caption) override {
    restoredCaptions.push_back(caption);
    return windowExists;
  }
  os::Answer ShowMessage(const std::string& caption, const std::string& text,
                        os::Buttons buttons, os::Icon icon) override {
    messages.push_back({caption, text, buttons, icon, {}});
    const Reply reply = NextReply();
    if (!reply.answered) {
      std::fprintf(stderr, "Nobody answers \"%s\", which waits forever\n",
                   text.c_str());
      std::abort();
    }
    return reply.answer;
  }
  os::Answer AskWithTimeout(const std::string& caption,
                            const os::CountdownText& text, unsigned seconds,
                            os::Icon icon) override {
    messages.push_back({caption, text.At(seconds), os::Buttons::OkCancel, icon,
                        text.At(1)});
    return NextReply().answer;
  }
  void OpenWebPage(const std::string& address) override {
    openedPages.push_back(address);
  }
  void BroadcastSettingChange(const std::string& area,
                              unsigned timeout) override {
    broadcasts.push_back(area + " " + std::to_string(timeout));
  }

  os::MutexState mutexState = os::MutexState::Created;
  bool windowExists = true;
  std::vector<std::string> mutexNames;
  std::vector<std::string> restoredCaptions;
  std::vector<ShownMessage> messages;
  std::deque<Reply> answers;
  std::vector<std::string> openedPages;
  // "<area> <timeout>" of each setting-change broadcast.
  std::vector<std::string> broadcasts;

 private:
  Reply NextReply() {
    if (answers.empty()) return os::Answer::Ok;
    const Reply reply = answers.front();
    answers.pop_front();
    return reply;
  }
};

}  // namespace fakes
