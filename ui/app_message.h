#pragma once

#include <string>

#include "os/services.h"

// The program's file name without folder and extension: it captions every
// message box and names the single-instance mutex.
std::string ExecutableBaseName(const std::string& modulePath);
// The single-instance mutex: the base name in lower case. Mutex names are
// case-sensitive, and Windows 95/98 may give the module path in capitals (a
// start from a command prompt, a short 8.3 path).
std::string MutexName(const std::string& modulePath);

// The application's message box: captioned with the executable's base name,
// with the exclamation icon.
os::Answer AppMessageBox(os::Services& services, const std::string& text,
                         os::Buttons buttons = os::Buttons::Ok);

// How long a question about a change of the screen waits for an answer.
inline constexpr unsigned kQuestionSeconds = 15;

// The application's question with OK and Cancel about a change of the
// screen, which a screen nobody can see leaves unanswered: it answers itself
// with Cancel after kQuestionSeconds. Below the question it tells what then
// returns, counting down (QuestionText).
os::Answer AppQuestionWithTimeout(os::Services& services,
                                  const std::string& question,
                                  const std::string& returning);
// What that question shows with some seconds left:
// "<question>\n\n<returning> returns in 15 seconds.".
std::string QuestionText(const std::string& question,
                         const std::string& returning, unsigned secondsLeft);
