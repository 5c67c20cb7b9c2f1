#pragma once

#include <string>

#include "program_run.h"

namespace e2e {

// Waits for the program's message box, captioned with its file's base name,
// checks its text, its one OK button and its exclamation icon, and presses
// OK. Reports through GoogleTest's expectations; fatal when no box came.
void ExpectMessageAndPressOk(ProgramRun& program, const std::string& text);

// The restart question: Yes and No, the exclamation icon; presses No.
void ExpectRestartQuestionAndPressNo(ProgramRun& program);

}  // namespace e2e
