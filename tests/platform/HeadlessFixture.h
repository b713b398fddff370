// Tests that run against the headless backend start and end with a fresh
// desktop: no windows, classes, timers, queued messages or arranged failures,
// and the clock at 0.
#pragma once

#include <gtest/gtest.h>

#include "RecordingWindow.h"
#include "platform/testing/HeadlessControls.h"

class HeadlessFixture : public ::testing::Test {
 protected:
  void SetUp() override { platform_test::ResetHeadless(); }
  void TearDown() override { platform_test::ResetHeadless(); }
};

// A fresh desktop with one recording window, placed as the game's window is on a
// 1024 x 768 screen.
class RecordingWindowTest : public HeadlessFixture {
 protected:
  void SetUp() override {
    HeadlessFixture::SetUp();
    recording::RegisterRecordingClass();
    platform_test::SetScreenSize(1024, 768);
    window_ = recording::Create(0x80CB0000, RECT{-3, -14, 1027, 783});
    ASSERT_NE(window_, nullptr);
  }

  HWND window_ = nullptr;
};
