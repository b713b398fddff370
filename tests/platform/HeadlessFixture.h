// Tests that run against the headless backend start and end with a fresh
// desktop: no windows, classes, timers, queued messages or arranged failures,
// and the clock at 0.
#pragma once

#include <gtest/gtest.h>

#include "platform/HeadlessControls.h"

class HeadlessFixture : public ::testing::Test {
 protected:
  void SetUp() override { platform_test::ResetHeadless(); }
  void TearDown() override { platform_test::ResetHeadless(); }
};
