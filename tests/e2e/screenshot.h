#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace e2e {

// Writes what the screen shows of a window, once its painting has settled,
// to build/screenshots/<name>.bmp as a 24-bit picture.
testing::AssertionResult SaveScreenshot(HWND window, const std::string& name);

}  // namespace e2e
