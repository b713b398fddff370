// Test-only controls of the SDL backend's sound output. Never included by the program's code.
#pragma once

namespace platform_test {

// Whether the SDL backend holds an open audio device. It opens one for the first sound that
// PlaySoundW starts.
bool SoundDeviceOpen();

// Waits for the sound player's thread (platform/testing/TestControls.h), then closes the audio
// device and forgets a failed attempt to open one, so that the next sound opens a device afresh
// with the SDL_AUDIODRIVER then in the environment.
void CloseSoundDevice();

}  // namespace platform_test
