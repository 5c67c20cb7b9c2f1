#include "ui/app_message.h"

#include <cctype>

namespace {

std::string Caption(os::Services& services) {
  return ExecutableBaseName(services.system.ModulePath());
}

class CountdownLine : public os::CountdownText {
 public:
  CountdownLine(const std::string& question, const std::string& returning)
      : question_(question), returning_(returning) {}

  std::string At(unsigned secondsLeft) const override {
    return QuestionText(question_, returning_, secondsLeft);
  }

 private:
  const std::string& question_;
  const std::string& returning_;
};

}  // namespace

std::string ExecutableBaseName(const std::string& modulePath) {
  const std::size_t slash = modulePath.find_last_of("\\/:");
  std::string name =
      slash == std::string::npos ? modulePath : modulePath.substr(slash + 1);
  const std::size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.erase(dot);
  return name;
}

std::string MutexName(const std::string& modulePath) {
  std::string name = ExecutableBaseName(modulePath);
  for (char& c : name)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return name;
}

os::Answer AppMessageBox(os::Services& services, const std::string& text,
                         os::Buttons buttons) {
  return services.shell.ShowMessage(Caption(services), text, buttons,
                                    os::Icon::Exclamation);
}

std::string QuestionText(const std::string& question,
                         const std::string& returning, unsigned secondsLeft) {
  return question + "\n\n" + returning + " returns in " +
         std::to_string(secondsLeft) +
         (secondsLeft == 1 ? " second." : " seconds.");
}

os::Answer AppQuestionWithTimeout(os::Services& services,
                                  const std::string& question,
                                  const std::string& returning) {
  return services.shell.AskWithTimeout(Caption(services),
                                       CountdownLine(question, returning),
                                       kQuestionSeconds, os::Icon::Exclamation);
}
