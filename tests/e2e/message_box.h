#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "program_run.h"

namespace e2e {

// Waits for the program's message box, captioned with its file's base name,
// checks its text, its one OK button and its exclamation icon, and presses
// OK. Reports through GoogleTest's expectations; fatal when no box came.
void ExpectMessageAndPressOk(ProgramRun& program, const std::string& text);
// The same for a question with Yes and No buttons, answered with one of
// them (IDYES or IDNO).
void ExpectQuestionAndAnswer(ProgramRun& program, const std::string& text,
                             int answer);
// An answer to AnswerQuestion: none, so the question answers itself.
constexpr int kNobodyAnswers = 0;
// "OK", "Cancel" or "nobody answers", for a trace.
const char* AnswerName(int answer);
// The same for a question about a change of the screen, with OK and Cancel:
// its text is the question and below it the seconds left. `whileAsked` then
// looks at what the question shows over, and the question is answered (IDOK
// or IDCANCEL), or with kNobodyAnswers counts down and is gone within 20
// seconds. Its icon's picture is not compared: the desktop may be at another
// depth.
void AnswerQuestion(ProgramRun& program, const std::string& question,
                    int answer, const std::function<void()>& whileAsked = [] {});
// The program shows no message box once it has handled all it was sent.
testing::AssertionResult ShowsNoMessage(ProgramRun& program);

// The restart question: Yes and No, the exclamation icon; presses No.
void ExpectRestartQuestionAndPressNo(ProgramRun& program);

}  // namespace e2e
