// LoadImageW on the bitmaps that the fuzz targets keep (tests/fuzz): their seeds load, and
// every reproducer of a hostile file (headers Windows refuses, a few bytes that claim
// gigabytes of pixels) is refused before anything is reserved for the pixels it claims.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <filesystem>
#include <string>

#include "platform/Windows.h"

namespace fs = std::filesystem;

namespace {

const fs::path fuzzInputs = MARROWICK_FUZZ_INPUTS;

HANDLE Load(const fs::path& file) {
  const std::string name = file.string();
  const std::u16string path(name.begin(), name.end());
  return LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0,
                    LR_LOADFROMFILE | LR_CREATEDIBSECTION);
}

long PeakResidentKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

}  // namespace

TEST(HostileBitmaps, SeedsLoadAndReproducersAreRefusedBeforeTheirPixelsAreReserved) {
  int seeds = 0;
  for (const fs::path& seed : fs::directory_iterator(fuzzInputs / "corpus" / "bitmap")) {
    HANDLE image = Load(seed);
    EXPECT_NE(nullptr, image) << seed.filename();
    DeleteObject(image);
    ++seeds;
  }
  EXPECT_GT(seeds, 0);
  const long peakBefore = PeakResidentKilobytes();
  for (const fs::path& reproducer : fs::directory_iterator(fuzzInputs / "reproducers" / "bitmap")) {
    HANDLE image = Load(reproducer);
    EXPECT_EQ(nullptr, image) << reproducer.filename();
    if (image != nullptr) DeleteObject(image);
  }
  EXPECT_LT(PeakResidentKilobytes() - peakBefore, 8 * 1024) << "reserved what a file claimed";
}
