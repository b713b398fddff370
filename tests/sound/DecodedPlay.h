// PlaySoundW from memory on the stand-ins, then the wait until their player has
// decoded what it accepted: the call itself returns before that, so a test that
// looks at the started sound waits first.
#pragma once

#include "platform/testing/TestControls.h"
#include "sound/WaveFile.h"

namespace sound_test {

inline BOOL PlayAndWaitForDecoding(const ExactBuffer& sound) {
  const BOOL accepted = PlayFromMemory(sound);
  platform_test::WaitForSoundDecoding();
  return accepted;
}

}  // namespace sound_test
