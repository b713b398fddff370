// SDL2 winmm: PlaySoundW over an SDL audio device.
//
// Stands in for: the output of PlaySoundW as platform/posix/MMSystem.h describes it.
// The audio device is opened for the first sound, in the output format of DecodedSound (SDL
// converts if the hardware wants another). When no device can be opened (no sound hardware, no
// sound server, SDL_AUDIODRIVER naming a driver that is not there) the game stays silent:
// PlaySoundW still succeeds for valid data, and opening is not tried again.
// Leaves out: mixing (one sound at a time, as winmm plays it) and volume.
#include <SDL.h>

#include <algorithm>
#include <mutex>
#include <span>

#include "platform/posix/SoundOutput.h"
#include "platform/testing/SdlSound.h"
#include "platform/testing/TestControls.h"

namespace {

using platform::DecodedSound;

// About 23 ms at 44.1 kHz: short enough that a new sound starts within a game tick or two.
constexpr Uint16 deviceBufferFrames = 1024;

class SdlSoundOutput final : public platform::SoundOutput {
 public:
  ~SdlSoundOutput() { CloseDevice(); }

  bool DeviceOpen() const {
    std::lock_guard guard(deviceLock);
    return device != 0;
  }

  void CloseDevice() {
    std::lock_guard guard(deviceLock);
    if (device != 0) {
      SDL_CloseAudioDevice(device);
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
      device = 0;
    }
    deviceUnavailable = false;
    playing.reset();
  }

  void Start(std::shared_ptr<const DecodedSound> sound) override {
    std::lock_guard guard(deviceLock);
    if (!OpenDeviceOnce()) return;
    HandOver(std::move(sound));
    SDL_PauseAudioDevice(device, 0);
  }

  void Stop() override {
    std::lock_guard guard(deviceLock);
    if (device == 0) return;
    HandOver(nullptr);
    SDL_PauseAudioDevice(device, 1);
  }

 private:
  bool OpenDeviceOnce() {
    if (device == 0 && !deviceUnavailable) {
      device = OpenPausedDevice();
      deviceUnavailable = device == 0;
    }
    return device != 0;
  }

  SDL_AudioDeviceID OpenPausedDevice() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 0;
    SDL_AudioSpec desired{};
    desired.freq = DecodedSound::outputRate;
    desired.format = AUDIO_S16SYS;
    desired.channels = DecodedSound::outputChannels;
    desired.samples = deviceBufferFrames;
    desired.callback = &SdlSoundOutput::FillDeviceBuffer;
    desired.userdata = this;
    const SDL_AudioDeviceID opened = SDL_OpenAudioDevice(nullptr, 0, &desired, nullptr, 0);
    if (opened == 0) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return opened;
  }

  // Gives the audio thread its next sound. The sound it replaces is released here, after the
  // device is unlocked, so that the audio thread never frees memory.
  void HandOver(std::shared_ptr<const DecodedSound> sound) {
    SDL_LockAudioDevice(device);
    playing.swap(sound);
    nextSample = 0;
    SDL_UnlockAudioDevice(device);
  }

  // SDL calls this on its audio thread with the device locked.
  static void SDLCALL FillDeviceBuffer(void* output, Uint8* buffer, int bytes) {
    std::span samples(reinterpret_cast<std::int16_t*>(buffer), bytes / sizeof(std::int16_t));
    static_cast<SdlSoundOutput*>(output)->Fill(samples);
  }

  void Fill(std::span<std::int16_t> buffer) {
    std::size_t copied = 0;
    if (playing) {
      copied = std::min(buffer.size(), playing->samples.size() - nextSample);
      std::copy_n(playing->samples.begin() + nextSample, copied, buffer.begin());
      nextSample += copied;
    }
    std::fill(buffer.begin() + copied, buffer.end(), 0);
  }

  mutable std::mutex deviceLock;
  SDL_AudioDeviceID device = 0;
  bool deviceUnavailable = false;
  // Shared with the audio thread under SDL_LockAudioDevice.
  std::shared_ptr<const DecodedSound> playing;
  std::size_t nextSample = 0;
};

SdlSoundOutput& Output() {
  static SdlSoundOutput output;
  return output;
}

}  // namespace

platform::SoundOutput& MarrowickSoundOutput() { return Output(); }

namespace platform_test {

bool SoundDeviceOpen() { return Output().DeviceOpen(); }

void CloseSoundDevice() {
  WaitForSoundDecoding();  // a sound still being decoded would open the device again
  Output().CloseDevice();
}

}  // namespace platform_test
