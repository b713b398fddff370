// PlaySoundW itself, over the backend's SoundOutput. The caller's thread only checks the file's
// headers and copies its bytes, then returns: a thread of the player's own decodes and
// converts the newest sound and starts it. A sound that a newer one or a stop overtakes while
// it waits or is being converted is dropped, so at most three sounds are in memory at once
// (playing, being converted, waiting), however often and whatever the caller plays.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "platform/posix/MMSystem.h"
#include "platform/posix/SoundOutput.h"

namespace platform {

class SoundPlayer {
 public:
  // Starts the decoding thread. `output` must outlive the player.
  explicit SoundPlayer(SoundOutput& output);
  // Drops what waits or is being converted and ends the decoding thread.
  ~SoundPlayer();
  SoundPlayer(const SoundPlayer&) = delete;
  SoundPlayer& operator=(const SoundPlayer&) = delete;

  // PlaySoundW: a null sound stops; SND_MEMORY | SND_ASYNC (with or without SND_NODEFAULT)
  // checks the file and hands it to the decoding thread; everything else fails without
  // touching the output.
  BOOL Play(LPCWSTR sound, HMODULE module, DWORD flags);

  // For tests: while held, the decoding thread starts no sound; it decodes one and waits with
  // it until released.
  void Hold(bool held);
  // For tests: waits until the decoding thread has nothing to do, or waits with a decoded sound
  // while held.
  void WaitUntilIdle();

 private:
  void Submit(std::vector<std::uint8_t> file);
  // Drops what waits and makes what is being converted stale.
  void Overtake();
  void Run();
  void Decode(const std::vector<std::uint8_t>& file, std::uint64_t generation);
  void WaitWhileHeld(std::unique_lock<std::mutex>& guard);

  SoundOutput& output_;
  std::mutex lock_;
  std::condition_variable changed_;
  std::optional<std::vector<std::uint8_t>> waiting_;
  // Counts every new sound and every stop; a conversion started under an older count is stale.
  std::uint64_t generation_ = 0;
  // The decoding thread has a sound in hand, from taking it up until it is started or dropped.
  bool busy_ = false;
  bool held_ = false;
  bool parked_ = false;  // waiting with a decoded sound while held
  bool ending_ = false;
  std::thread thread_;  // last, so that it starts after everything it uses
};

}  // namespace platform
