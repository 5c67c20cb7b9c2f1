#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "os/shell.h"

namespace fakes {

struct ShownMessage {
  std::string caption;
  std::string text;
  os::Buttons buttons;
  os::Icon icon;
  std::string lastText;  // a question with a time-out: `text` is its first
};

// Nobody answers: a question with a time-out answers itself with Cancel;
// any other box would wait forever, which fails the test.
inline constexpr std::nullopt_t kNoAnswer = std::nullopt;

// What the script answers: a button, nobody, or kBoxEnded, a box that
// returned 0 (its owner destroyed under it), read as the real shell reads
// it.
struct Reply {
  Reply(std::optional<os::Answer> button) : answer(button) {}
  Reply(os::Answer button) : answer(button) {}
  Reply(std::nullopt_t) {}
  std::optional<os::Answer> answer;
  bool ended = false;
};
inline const Reply kBoxEnded = [] {
  Reply reply(std::nullopt);
  reply.ended = true;
  return reply;
}();

class FakeShell : public os::Shell {
 public:
  os::MutexState CreateNamedMutex(const std::string& name) override {
    mutexNames.push_back(name);
    if (name == runMutex) return runMutexHeld ? os::MutexState::AlreadyExisted
                                              : os::MutexState::Created;
    return mutexState;
  }
  bool MutexExists(const std::string& name) override {
    return name == runMutex && runMutexHeld;
  }
  bool RestoreWindow(const std::string& caption) override {
    restoredCaptions.push_back(caption);
    return windowExists;
  }
  os::Answer ShowMessage(const std::string& caption, const std::string& text,
                        os::Buttons buttons, os::Icon icon) override {
    messages.push_back({caption, text, buttons, icon, {}});
    return NextAnswer(buttons).value();
  }
  os::Answer AskWithTimeout(const std::string& caption,
                            const os::CountdownText& text, unsigned seconds,
                            os::Icon icon) override {
    messages.push_back({caption, text.At(seconds), os::Buttons::OkCancel, icon,
                        text.At(1)});
    return NextAnswer(os::Buttons::OkCancel).value_or(os::Answer::Cancel);
  }
  void OpenWebPage(const std::string& address) override {
    openedPages.push_back(address);
  }
  void BroadcastSettingChange(const std::string& area,
                              unsigned timeout) override {
    broadcasts.push_back(area + " " + std::to_string(timeout));
  }

  void SetVariable(const std::string& name,
                   const std::string* value) override {
    variables[name] = value != nullptr ? std::optional(*value) : std::nullopt;
  }
  // Runs `program` (called with the command line and folder) as the
  // started program, unless `startError` says it does not start.
  long RunProgram(const std::string& commandLine, const std::string& folder,
                  std::uint32_t& exitCode, std::string& why) override {
    runs.push_back(commandLine + " in " + folder);
    if (startError != 0) {
      why = "no file";
      return startError;
    }
    if (program) program();
    exitCode = programExitCode;
    return 0;
  }

  os::MutexState mutexState = os::MutexState::Created;
  // The mutex of a game started with a profile, and whether another
  // process holds it.
  std::string runMutex = "kvtune-run";
  bool runMutexHeld = false;
  std::map<std::string, std::optional<std::string>> variables;
  std::vector<std::string> runs;
  long startError = 0;
  std::uint32_t programExitCode = 0;
  std::function<void()> program;
  bool windowExists = true;
  std::vector<std::string> mutexNames;
  std::vector<std::string> restoredCaptions;
  std::vector<ShownMessage> messages;
  std::deque<Reply> answers;
  std::vector<std::string> openedPages;
  // "<area> <timeout>" of each setting-change broadcast.
  std::vector<std::string> broadcasts;

 private:
  std::optional<os::Answer> NextAnswer(os::Buttons buttons) {
    if (answers.empty()) return os::Answer::Ok;
    const Reply reply = answers.front();
    answers.pop_front();
    if (reply.ended) return os::AnswerOfBox(0, buttons);
    return reply.answer;
  }
};

}  // namespace fakes
