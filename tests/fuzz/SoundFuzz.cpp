// A sound file read by the application's sound registry and played with PlaySoundW from
// memory, as the game plays its sounds; the input is done when the player's thread is.
#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "InputFile.h"
#include "app/Application.h"
#include "platform/testing/HeadlessSound.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::filesystem::create_directory("Data");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  WriteInputFile("Data/Fuzz.wav", data, size);
  CApplication application(nullptr, 1);
  application.PlaySound(application.LoadSound(u"Fuzz"));
  platform_test::ClearSoundRecord();  // waits for the player's thread
  return 0;
}
