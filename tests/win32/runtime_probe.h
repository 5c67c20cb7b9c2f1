#pragma once

// What runtime_probe.exe checks: a bit of its exit code for each check that
// failed.
namespace probe {

constexpr unsigned kConstructors = 1;  // static constructors ran first
constexpr unsigned kCommandTail = 2;   // WinMain got the text after the name
constexpr unsigned kFormats = 4;       // numbers in msvcrt's formats
constexpr unsigned kCutsToSize = 8;    // a cut text still ends in the buffer
constexpr unsigned kReads = 16;        // strtod reads as far as msvcrt's does

// The command line the test starts it with, after the program's name.
constexpr char kTail[] = "first  \"second one\"";

}  // namespace probe
