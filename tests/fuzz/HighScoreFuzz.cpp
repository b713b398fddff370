// The high-score file read at start-up, then a better result stored and read back: what was
// stored is what is read.
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "InputFile.h"
#include "app/HighScore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  WriteInputFile("Highscore.dat", data, size);
  CHighScore stored;
  stored.Load();
  int saved = 0;
  int splatted = 0;
  if (stored.Get(saved, splatted) && saved == INT_MAX) return 0;  // nothing can beat it
  stored.Report(saved + 1, splatted);

  CHighScore reread;
  reread.Load();
  int savedAgain = 0;
  int splattedAgain = 0;
  if (!reread.Get(savedAgain, splattedAgain) || savedAgain != saved + 1 ||
      splattedAgain != splatted) {
    std::abort();
  }
  return 0;
}
