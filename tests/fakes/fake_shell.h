#pragma once

#include <deque>
#include <string>
#include <vector>

#include "os/shell.h"

namespace fakes {

struct ShownMessage {
  std::string caption;
  std::string text;
  os::Buttons buttons;
  os::Icon icon;
};

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
    messages.push_back({caption, text, buttons, icon});
    if (answers.empty()) return os::Answer::Ok;
    const os::Answer answer = answers.front();
    answers.pop_front();
    return answer;
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
  std::deque<os::Answer> answers;
  std::vector<std::string> openedPages;
  // "<area> <timeout>" of each setting-change broadcast.
  std::vector<std::string> broadcasts;
};

}  // namespace fakes
