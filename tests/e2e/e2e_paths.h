#pragma once

#include <string>

// Where the program under test, its probe, the fixture files and the machine
// profiles are. CMake hands them over through the environment as Z: paths;
// these return them as full Windows paths with backslashes, the form a
// started program reports as its own module path.
namespace e2e {

std::string ProgramPath();
std::string ProbePath();
// The bare property sheet the start-up benchmark measures the program against.
std::string BareSheetPath();
std::string FixturePath(const std::string& file);
std::string ProfilePath(const std::string& profile);
// build/screenshots/<file>, where the scenarios leave pictures of the
// program for people to look at.
std::string ScreenshotPath(const std::string& file);

}  // namespace e2e
