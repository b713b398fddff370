// Bitmap files written byte by byte by the test, loaded through LoadImageW,
// GetObjectW and DeleteObject, and through CBitmap with its colour key: the
// same expectations hold for our stand-ins and for Windows itself. Top-down
// files are in BitmapStandInTest.cpp: Wine draws them black.
#include <gtest/gtest.h>

#include <vector>

#include "BmpFile.h"
#include "ScratchFolder.h"
#include "render/Bitmap.h"
#include "tests/tlib/ThrowsMessage.h"

using namespace bmp_test;

namespace {

class BitmapFile : public ::testing::Test {
  ScratchFolder folder_;
};
using Bitmap = BitmapFile;

TEST_F(Bitmap, StoresTheTopRowFirstWithWhiteTransparentAndMagentaAHalfTransparentShade) {
  // 3 pixels wide: 24-bit rows are padded from 9 to 12 bytes.
  const std::vector<std::uint32_t> colours = {0xFFFFFF, 0xFFFFFE, 0xFF00FF,
                                              0x123456, 0x010203, 0xFEFFFF};
  const std::vector<std::uint32_t> keyed = {0x00000000, 0xFFFFFFFE, 0x7F7F7F7F,
                                            0xFF123456, 0xFF010203, 0xFFFEFFFF};
  std::vector<std::uint32_t> withTopBytes;
  for (std::uint32_t colour : colours) withTopBytes.push_back(colour | 0xA5000000);
  EXPECT_EQ(keyed, LoadedPixels({3, 2, 24, false, false, colours}));
  EXPECT_EQ(keyed, LoadedPixels({3, 2, 32, false, false, withTopBytes}));
  EXPECT_EQ(keyed, LoadedPixels({3, 2, 32, false, true, colours}));  // bit fields
}

TEST_F(Bitmap, ReportsPicturesItCannotUse) {
  for (int bitsPerPixel : {8, 16}) {
    EXPECT_THROWS_MESSAGE(LoadedPixels({3, 2, bitsPerPixel, false, false, sixColours}),
                          u"Unsupported bit depth");
  }
  EXPECT_THROWS_MESSAGE(CBitmap::Load(u"Data\\Missing.bmp"), u"LoadImage() failed");
  EXPECT_THROWS_MESSAGE(CBitmap::Load(tlib::TString()), u"LoadImage() failed");
}

}  // namespace
