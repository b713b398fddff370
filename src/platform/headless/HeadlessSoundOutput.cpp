// Headless winmm: PlaySoundW over an output that records instead of playing.
//
// Stands in for: the output of PlaySoundW as platform/posix/MMSystem.h describes it.
// Leaves out: time. A recorded sound plays until it is stopped or replaced; tests read the
// record through platform/testing/HeadlessSound.h.
#include <mutex>

#include "platform/posix/SoundOutput.h"
#include "platform/testing/HeadlessSound.h"
#include "platform/testing/TestControls.h"

namespace {

using platform::DecodedSound;

class HeadlessSoundOutput final : public platform::SoundOutput {
 public:
  std::vector<std::shared_ptr<const DecodedSound>> Started() const {
    std::lock_guard guard(lock);
    return started;
  }

  std::shared_ptr<const DecodedSound> Playing() const {
    std::lock_guard guard(lock);
    return playing;
  }

  int StopCount() const {
    std::lock_guard guard(lock);
    return stopCount;
  }

  void Clear() {
    std::lock_guard guard(lock);
    started.clear();
    playing.reset();
    stopCount = 0;
  }

  void Start(std::shared_ptr<const DecodedSound> sound) override {
    std::lock_guard guard(lock);
    started.push_back(sound);
    playing = std::move(sound);
  }

  void Stop() override {
    std::lock_guard guard(lock);
    playing.reset();
    ++stopCount;
  }

 private:
  mutable std::mutex lock;
  std::vector<std::shared_ptr<const DecodedSound>> started;
  std::shared_ptr<const DecodedSound> playing;
  int stopCount = 0;
};

HeadlessSoundOutput& Output() {
  static HeadlessSoundOutput output;
  return output;
}

}  // namespace

platform::SoundOutput& MarrowickSoundOutput() { return Output(); }

namespace platform_test {

std::vector<std::shared_ptr<const DecodedSound>> StartedSounds() { return Output().Started(); }

std::shared_ptr<const DecodedSound> PlayingSound() { return Output().Playing(); }

int SoundStopCount() { return Output().StopCount(); }

void ClearSoundRecord() {
  WaitForSoundDecoding();  // a sound still being decoded would be recorded after the clearing
  Output().Clear();
}

}  // namespace platform_test
