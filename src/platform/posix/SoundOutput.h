// What a backend gives PlaySoundW: an output that starts a decoded sound or falls silent.
//
// PlaySoundW's behaviour (flags, checking, decoding, stop on a null sound) lives once in
// SoundPlayer; each backend derives its output from SoundOutput and defines
// MarrowickSoundOutput() to return its one instance. The player calls Start from its decoding
// thread and Stop from the thread that called PlaySoundW, so each output serialises them itself.
#pragma once

#include <memory>

#include "platform/posix/DecodedSound.h"

namespace platform {

class SoundOutput {
 public:
  // Cuts off the sound playing, if any, and starts `sound` from its first frame. Returns at
  // once; the output keeps `sound` alive as long as it needs it.
  virtual void Start(std::shared_ptr<const DecodedSound> sound) = 0;
  // Silences the output; harmless when nothing plays.
  virtual void Stop() = 0;

 protected:
  ~SoundOutput() = default;
};

}  // namespace platform

// The linked backend's output. It must outlive every call of PlaySoundW.
platform::SoundOutput& MarrowickSoundOutput();
