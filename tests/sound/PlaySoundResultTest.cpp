// What PlaySoundW answers as the game calls it: the same on the stand-ins and
// on Windows itself. PlaySoundTest.cpp follows every sound through the
// headless output, and what it refuses.
#include <gtest/gtest.h>

#include "sound/WaveFile.h"

using namespace sound_test;

namespace {

// Windows plays an asynchronous sound on a thread of its own and answers at
// once, whether or not the machine has a sound device to play it on.
TEST(PlaySoundResult, AWellFormedSoundIsTakenAtOnceAndStoppingAlwaysSucceeds) {
  EXPECT_EQ(TRUE, PlaySoundW(nullptr, nullptr, 0));
  const ExactBuffer sound(ConstantWave({}, 4410, {0.5}));  // read while it plays
  EXPECT_EQ(TRUE, PlayFromMemory(sound));
  EXPECT_EQ(TRUE, PlaySoundW(nullptr, nullptr, 0));
}

}  // namespace
