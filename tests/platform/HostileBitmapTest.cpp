// LoadImageW on the bitmaps that the fuzz targets keep (tests/fuzz): their seeds load, and
// every reproducer of a hostile file (headers Windows refuses, a few bytes that claim
// gigabytes of pixels) is refused before anything is reserved for the pixels it claims.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/Windows.h"

namespace fs = std::filesystem;

namespace {

const fs::path fuzzInputs = MARROWICK_FUZZ_INPUTS;

std::vector<fs::path> FilesIn(const fs::path& folder) {
  std::vector<fs::path> files{fs::directory_iterator(folder), fs::directory_iterator()};
  std::sort(files.begin(), files.end());
  return files;
}

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
  const std::vector<fs::path> seeds = FilesIn(fuzzInputs / "corpus" / "bitmap");
  ASSERT_FALSE(seeds.empty());
  for (const fs::path& seed : seeds) {
    HANDLE image = Load(seed);
    EXPECT_NE(nullptr, image) << seed.filename();
    DeleteObject(image);
  }
  const long peakBefore = PeakResidentKilobytes();
  for (const fs::path& reproducer : FilesIn(fuzzInputs / "reproducers" / "bitmap")) {
    HANDLE image = Load(reproducer);
    EXPECT_EQ(nullptr, image) << reproducer.filename();
    if (image != nullptr) DeleteObject(image);
  }
  EXPECT_LT(PeakResidentKilobytes() - peakBefore, 8 * 1024) << "reserved what a file claimed";
}
