#include "platform/posix/SoundPlayer.h"

#include "platform/posix/CallFailures.h"
#include "platform/posix/WaveHeader.h"
#include "platform/posix/WinBase.h"
#include "platform/testing/TestControls.h"

namespace platform {
namespace {

// Whether the flags ask for the one way the program plays sounds: from memory, asynchronously.
bool IsAsyncMemoryPlay(DWORD flags) { return (flags & ~SND_NODEFAULT) == (SND_MEMORY | SND_ASYNC); }

}  // namespace

SoundPlayer::SoundPlayer(SoundOutput& output) : output_(output), thread_([this] { Run(); }) {}

SoundPlayer::~SoundPlayer() {
  {
    std::lock_guard guard(lock_);
    ending_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

BOOL SoundPlayer::Play(LPCWSTR sound, HMODULE, DWORD flags) {
  if (TakeArrangedFailure("PlaySoundW")) return FALSE;
  if (sound == nullptr) {
    Overtake();
    output_.Stop();
    return TRUE;
  }
  if (!IsAsyncMemoryPlay(flags)) {
    SetLastError(ERROR_NOT_SUPPORTED);
    return FALSE;
  }
  const WaveHeader header(sound);
  if (header.Verdict() != ERROR_SUCCESS) {
    SetLastError(header.Verdict());
    return FALSE;
  }
  // A copy: the caller may change or free its bytes as soon as the call returns.
  Submit(header.DecodableCopy(sound));
  return TRUE;
}

void SoundPlayer::Hold(bool held) {
  {
    std::lock_guard guard(lock_);
    held_ = held;
  }
  changed_.notify_all();
}

void SoundPlayer::WaitUntilIdle() {
  std::unique_lock guard(lock_);
  changed_.wait(guard, [this] { return (parked_ && held_) || (!busy_ && !waiting_); });
}

void SoundPlayer::Submit(std::vector<std::uint8_t> file) {
  {
    std::lock_guard guard(lock_);
    ++generation_;
    waiting_ = std::move(file);
  }
  changed_.notify_all();
}

void SoundPlayer::Overtake() {
  std::lock_guard guard(lock_);
  ++generation_;
  waiting_.reset();
}

void SoundPlayer::Run() {
  for (;;) {
    std::vector<std::uint8_t> file;
    std::uint64_t generation = 0;
    {
      std::unique_lock guard(lock_);
      changed_.wait(guard, [this] { return ending_ || waiting_; });
      if (ending_) break;
      file = std::move(*waiting_);
      waiting_.reset();
      generation = generation_;
      busy_ = true;
    }
    Decode(file, generation);
  }
  DecodedSound::EndDecodingThread();
}

void SoundPlayer::Decode(const std::vector<std::uint8_t>& file, std::uint64_t generation) {
  auto stale = [&] {
    std::lock_guard guard(lock_);
    return ending_ || generation_ != generation;
  };
  std::shared_ptr<const DecodedSound> sound = DecodedSound::FromWaveFile(file, stale);
  {
    std::unique_lock guard(lock_);
    if (sound) WaitWhileHeld(guard);
    // Started under the lock, so that a stop that overtook this sound cannot come before it.
    if (sound && !ending_ && generation_ == generation) output_.Start(sound);
    busy_ = false;
  }
  changed_.notify_all();
}

void SoundPlayer::WaitWhileHeld(std::unique_lock<std::mutex>& guard) {
  parked_ = true;
  changed_.notify_all();
  changed_.wait(guard, [this] { return !held_ || ending_; });
  parked_ = false;
}

}  // namespace platform

namespace {

platform::SoundPlayer& Player() {
  // Made after the backend's output, so destroyed before it.
  static platform::SoundPlayer player(MarrowickSoundOutput());
  return player;
}

}  // namespace

BOOL PlaySoundW(LPCWSTR sound, HMODULE module, DWORD flags) {
  return Player().Play(sound, module, flags);
}

namespace platform_test {

void HoldSoundDecoding(bool held) { Player().Hold(held); }

void WaitForSoundDecoding() { Player().WaitUntilIdle(); }

}  // namespace platform_test
