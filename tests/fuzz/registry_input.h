#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include "unit/machine.h"

namespace fuzz {

// Turns a fuzz input into the PC a run starts from: which keys exist, each
// value's type, size and bytes (texts without their terminating zero or
// longer than the 200 bytes a text read takes, binary data where a text is
// expected, four-byte numbers stored as text and the reverse), whole Banshee
// cards as the drivers record them, which driver and library files carry
// which version, and the start-up file. Keys and names come mostly from the names the program uses,
// so that the input reaches the program's reads rather than unrelated keys.
void Decode(FuzzedDataProvider& input, Machine& machine);

// The display's mode list (sizes and depths, rates, modes it refuses) and the
// desktop's mode, which need not be one the list holds; or Wine's desktop.
void DecodeDisplay(FuzzedDataProvider& input, fakes::FakeDisplay& display);

// Stops the run as a crash when a property does not hold.
void Require(bool holds, const char* property);

}  // namespace fuzz
