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
// No answer: the question must count down until it is gone.
constexpr int kNobodyAnswers = 0;
// The same for a question with OK and Cancel: `whileAsked` then looks at
// what the question shows over, and the question is answered (IDOK,
// IDCANCEL or kNobodyAnswers). Its icon's picture is not compared: the
// desktop may be at another depth.
void AnswerQuestion(ProgramRun& program, const std::string& text, int answer,
                    const std::function<void()>& whileAsked = [] {});
// The program shows no message box once it has handled all it was sent.
testing::AssertionResult ShowsNoMessage(ProgramRun& program);

// The restart question: Yes and No, the exclamation icon; presses No.
void ExpectRestartQuestionAndPressNo(ProgramRun& program);

}  // namespace e2e
