// The contract between PlaySoundW and the backends that make the sound heard.
//
// PlaySoundW's behaviour (flags, decoding, stop on a null sound) lives here once; each backend
// derives its output from SoundOutput and defines PlaySoundW as Play on its one instance. The
// backend only starts a decoded sound or stops. It may be called from any thread, so each
// output serialises Start and Stop itself.
#pragma once

#include <memory>

#include "platform/posix/DecodedSound.h"
#include "platform/posix/MMSystem.h"

namespace platform {

class SoundOutput {
 public:
  // PlaySoundW: a null sound stops; SND_MEMORY | SND_ASYNC (with or without SND_NODEFAULT)
  // decodes the file and starts it; everything else fails without touching the output.
  BOOL Play(LPCWSTR sound, HMODULE module, DWORD flags);

 protected:
  ~SoundOutput() = default;

  // Cuts off the sound playing, if any, and starts `sound` from its first frame. Returns at
  // once; the output keeps `sound` alive as long as it needs it.
  virtual void Start(std::shared_ptr<const DecodedSound> sound) = 0;
  // Silences the output; harmless when nothing plays.
  virtual void Stop() = 0;
};

}  // namespace platform
