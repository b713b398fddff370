// Top-down files and CBitmap when GetObjectW fails, on the stand-in's
// LoadImageW only: Wine draws top-down files black. What it refuses is in
// tests/platform/HostileBitmapTest.cpp, with the fuzz targets' files.
#include <gtest/gtest.h>

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

TEST_F(BitmapStandIn, TopDownFilesLoadTopRowFirstToo) {
  const std::vector<std::uint32_t> keyed = {0xFF102030, 0xFF405060, 0xFF708090,
                                            0xFFA0B0C0, 0xFFD0E0F0, 0xFF0F1E2D};
  EXPECT_EQ(keyed, LoadedPixels({3, 2, 24, true, false, sixColours}));
  EXPECT_EQ(keyed, LoadedPixels({3, 2, 32, true, false, sixColours}));
  // GetObjectW describes bitmaps only; Windows would describe a brush too,
  // which the program never asks for.
  BITMAP bitmap{};
  EXPECT_EQ(0, GetObjectW(GetStockObject(WHITE_BRUSH), sizeof bitmap, &bitmap));
}

TEST_F(BitmapStandIn, BitmapReportsAFailedGetObject) {
  platform_test::FailCall("GetObjectW", ERROR_INVALID_HANDLE);
  EXPECT_THROWS_MESSAGE(LoadedPixels({1, 1, 24, false, false, {0}}), u"GetObject() failed");
  platform_test::ClearCallFailures();
}

}  // namespace
