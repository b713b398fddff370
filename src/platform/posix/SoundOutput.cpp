#include "platform/posix/SoundOutput.h"

#include "platform/posix/CallFailures.h"
#include "platform/posix/WinBase.h"

namespace platform {
namespace {

// Whether the flags ask for the one way the program plays sounds: from memory, asynchronously.
bool IsAsyncMemoryPlay(DWORD flags) { return (flags & ~SND_NODEFAULT) == (SND_MEMORY | SND_ASYNC); }

}  // namespace

BOOL SoundOutput::Play(LPCWSTR sound, HMODULE, DWORD flags) {
  if (TakeArrangedFailure("PlaySoundW")) return FALSE;
  if (sound == nullptr) {
    Stop();
    return TRUE;
  }
  if (!IsAsyncMemoryPlay(flags)) {
    SetLastError(ERROR_NOT_SUPPORTED);
    return FALSE;
  }
  std::shared_ptr<const DecodedSound> decoded = DecodedSound::FromRiffFile(sound);
  if (!decoded) return FALSE;
  Start(std::move(decoded));
  return TRUE;
}

}  // namespace platform
