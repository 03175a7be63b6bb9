// The fixture of the tests that start from a fresh program window (program_window.h): made
// before each test, destroyed after it.
#pragma once

#include <gtest/gtest.h>

#include "support/program_window.h"

namespace testing_support {

class ProgramWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { window = MakeProgramWindow(); }
  void TearDown() override { DestroyProgramWindow(window); }
  HWND window = nullptr;
};

}  // namespace testing_support
