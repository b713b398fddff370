// What the stand-in's LoadImageW refuses, top-down files, and CBitmap when
// GetObjectW fails. Windows is no reference on malformed files (each version
// shows some of them in its own way), so those are the stand-in's own rules;
// Wine draws top-down files black.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "BmpFile.h"
#include "ScratchFolder.h"
#include "platform/testing/TestControls.h"
#include "tests/tlib/ThrowsMessage.h"

using namespace bmp_test;

namespace {

class BitmapStandIn : public ::testing::Test {
  ScratchFolder folder_;
};

TEST_F(BitmapStandIn, LoadImageRefusesMissingAndMalformedFiles) {
  const std::vector<std::uint8_t> good = EncodeBmp({3, 2, 24, false, false, sixColours});
  auto patched = [&](std::size_t offset, std::vector<std::uint8_t> bytes) {
    std::vector<std::uint8_t> copy = good;
    std::memcpy(&copy[offset], bytes.data(), bytes.size());
    return copy;
  };
  const std::vector<std::vector<std::uint8_t>> malformed = {
      {},
      std::vector<std::uint8_t>(good.begin(), good.begin() + 30),  // cut in the header
      std::vector<std::uint8_t>(good.begin(), good.end() - 8),     // cut in the pixels
      patched(0, {'X', 'Y'}),                                      // not a bitmap
      patched(28, {7, 0}),                                         // 7 bits per pixel
      patched(18, {0xFB, 0xFF, 0xFF, 0xFF}),                       // negative width
      patched(10, {0xFF, 0xFF, 0, 0}),                             // pixels beyond the end
  };
  for (std::size_t i = 0; i < malformed.size(); ++i) {
    HANDLE image = LoadFile("malformed.bmp", malformed[i]);
    EXPECT_EQ(nullptr, image) << "case " << i;
    if (image != nullptr) DeleteObject(image);
  }
  EXPECT_EQ(nullptr, LoadFile("no/such/picture.bmp", {}));
  // GetObjectW describes bitmaps only; Windows would describe a brush too,
  // which the program never asks for.
  BITMAP bitmap{};
  EXPECT_EQ(0, GetObjectW(GetStockObject(WHITE_BRUSH), sizeof bitmap, &bitmap));
}

TEST_F(BitmapStandIn, TopDownFilesLoadTopRowFirstToo) {
  const std::vector<std::uint32_t> keyed = {0xFF102030, 0xFF405060, 0xFF708090,
                                            0xFFA0B0C0, 0xFFD0E0F0, 0xFF0F1E2D};
  EXPECT_EQ(keyed, LoadedPixels({3, 2, 24, true, false, sixColours}));
  EXPECT_EQ(keyed, LoadedPixels({3, 2, 32, true, false, sixColours}));
}

TEST_F(BitmapStandIn, BitmapReportsAFailedGetObject) {
  platform_test::FailCall("GetObjectW", ERROR_INVALID_HANDLE);
  EXPECT_THROWS_MESSAGE(LoadedPixels({1, 1, 24, false, false, {0}}), u"GetObject() failed");
  platform_test::ClearCallFailures();
}

}  // namespace
