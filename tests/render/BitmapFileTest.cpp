// Bitmap files written byte by byte by the test, loaded through LoadImageW,
// GetObjectW and DeleteObject, and through CBitmap with its colour key: the
// same expectations hold for our stand-ins and for Windows itself. Top-down
// files are in BitmapStandInTest.cpp: Wine draws them black.
#include <gtest/gtest.h>

#include <vector>

#include "BmpFile.h"
#include "platform/Windows.h"
#include "render/Bitmap.h"
#include "tests/tlib/ThrowsMessage.h"

using namespace bmp_test;

TEST(LoadImageW, HandsOverEveryDepthAsABottomUpSection) {
  struct Case {
    const char* name;
    BmpPicture picture;
    int widthBytes;  // the row length, padded to a multiple of 4
  };
  std::vector<std::uint32_t> withTopBytes = sixColours;
  for (std::uint32_t& pixel : withTopBytes) pixel |= 0x5A000000;
  const Case cases[] = {
      {"24-bit", {3, 2, 24, false, false, sixColours}, 12},
      {"32-bit", {3, 2, 32, false, false, withTopBytes}, 12},
      {"32-bit bit fields", {3, 2, 32, false, true, sixColours}, 12},
      // The program refuses these by their depth, so only the record matters.
      {"8-bit", {3, 2, 8, false, false, sixColours}, 4},
      {"16-bit", {3, 2, 16, false, false, sixColours}, 8},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const TemporaryFile file(EncodeBmp(c.picture));
    HANDLE image = Load(file);
    ASSERT_NE(nullptr, image);
    BITMAP bitmap{};
    ASSERT_EQ(static_cast<int>(sizeof bitmap), GetObjectW(image, sizeof bitmap, &bitmap));
    EXPECT_EQ(3, bitmap.bmWidth);
    EXPECT_EQ(2, bitmap.bmHeight);
    EXPECT_EQ(c.picture.bitsPerPixel, bitmap.bmBitsPixel);
    EXPECT_EQ(c.widthBytes, bitmap.bmWidthBytes);
    EXPECT_EQ(1, bitmap.bmPlanes);
    for (int y = 0; y < 2 && bitmap.bmBitsPixel >= 24; ++y) {
      for (int x = 0; x < 3; ++x) {
        EXPECT_EQ(sixColours[y * 3 + x], SectionColour(bitmap, x, y)) << x << "," << y;
      }
    }
    EXPECT_EQ(TRUE, DeleteObject(image));
  }
}

TEST(LoadImageW, GetObjectAndDeleteObjectAcceptOnlyLiveBitmaps) {
  const TemporaryFile file(EncodeBmp({1, 1, 24, false, false, {0}}));
  HANDLE image = Load(file);
  ASSERT_NE(nullptr, image);
  BITMAP bitmap{};
  EXPECT_EQ(0, GetObjectW(image, sizeof bitmap - 1, &bitmap));
  EXPECT_EQ(TRUE, DeleteObject(image));
  EXPECT_EQ(0, GetObjectW(image, sizeof bitmap, &bitmap));
  EXPECT_EQ(FALSE, DeleteObject(image));
}

TEST(Bitmap, StoresTheTopRowFirstWithWhiteTransparentAndMagentaAHalfTransparentShade) {
  // 3 pixels wide: 24-bit rows are padded from 9 to 12 bytes.
  const std::vector<std::uint32_t> colours = {0xFFFFFF, 0xFFFFFE, 0xFF00FF,
                                              0x123456, 0x010203, 0xFEFFFF};
  const std::vector<std::uint32_t> keyed = {0x00000000, 0xFFFFFFFE, 0x7F7F7F7F,
                                            0xFF123456, 0xFF010203, 0xFFFEFFFF};
  std::vector<std::uint32_t> withTopBytes;
  for (std::uint32_t colour : colours) withTopBytes.push_back(colour | 0xA5000000);
  for (const BmpPicture& picture : {BmpPicture{3, 2, 24, false, false, colours},
                                    BmpPicture{3, 2, 32, false, false, withTopBytes}}) {
    const auto bitmap = LoadPicture(picture);
    EXPECT_EQ(keyed,
              std::vector(bitmap->Pixels(), bitmap->Pixels() + bitmap->Width() * bitmap->Height()))
        << picture.bitsPerPixel << " bits";
  }
}

TEST(Bitmap, ReportsPicturesItCannotUse) {
  const std::vector<std::uint32_t> sixteen(16, 0);
  EXPECT_THROWS_MESSAGE((LoadPicture({4, 4, 8, false, false, sixteen})), u"Unsupported bit depth");
  EXPECT_THROWS_MESSAGE((LoadPicture({4, 4, 16, false, false, sixteen})), u"Unsupported bit depth");
  EXPECT_THROWS_MESSAGE(CBitmap::Load(u"Data\\Missing.bmp"), u"LoadImage() failed");
  EXPECT_THROWS_MESSAGE(CBitmap::Load(tlib::TString()), u"LoadImage() failed");
}
