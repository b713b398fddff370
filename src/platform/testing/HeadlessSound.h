// Test-only view of the headless backend's sound output, which records every sound instead of
// playing it. Never included by the program's code.
#pragma once

#include <memory>
#include <vector>

#include "platform/posix/DecodedSound.h"

namespace platform_test {

using platform::DecodedSound;

// Every sound PlaySoundW started since the record was cleared, oldest first, decoded and
// converted as the output would have played it.
std::vector<std::shared_ptr<const DecodedSound>> StartedSounds();

// The sound that would be heard now: the last one started, unless a stop came after it. The
// headless output has no clock, so a sound never ends by itself.
std::shared_ptr<const DecodedSound> PlayingSound();

// How many times PlaySoundW stopped the output (with or without a sound playing).
int SoundStopCount();

// Waits for the sound player's thread (platform/testing/TestControls.h), then forgets the started
// sounds, the playing one and the stops.
void ClearSoundRecord();

}  // namespace platform_test
