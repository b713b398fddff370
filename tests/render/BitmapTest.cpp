// CBitmap: decoding a picture file into top-down ARGB pixels with the colour key.
#include <gtest/gtest.h>

#include <vector>

#include "BmpFile.h"
#include "platform/TestControls.h"
#include "render/Bitmap.h"
#include "tests/tlib/ThrowsMessage.h"

using render_test::BmpPicture;
using render_test::EncodeBmp;
using render_test::TemporaryFile;

namespace {

std::unique_ptr<CBitmap> LoadPicture(const BmpPicture& picture) {
  const TemporaryFile file(EncodeBmp(picture));
  const std::u16string path = file.WindowsPath();
  return CBitmap::Load(tlib::TString(static_cast<int>(path.size()), path.data()));
}

std::vector<std::uint32_t> PixelsOf(const CBitmap& bitmap) {
  return std::vector<std::uint32_t>(bitmap.Pixels(),
                                    bitmap.Pixels() + bitmap.Width() * bitmap.Height());
}

}  // namespace

TEST(Bitmap, TurnsWhiteTransparentAndMagentaIntoAHalfTransparentShade) {
  const std::vector<std::uint32_t> colours = {0xFFFFFF, 0xFFFFFE, 0xFF00FF, 0x123456};
  const std::vector<std::uint32_t> keyed = {0x00000000, 0xFFFFFFFE, 0x7F7F7F7F, 0xFF123456};
  std::vector<std::uint32_t> withTopBytes;
  for (std::uint32_t colour : colours) withTopBytes.push_back(colour | 0xA5000000);
  for (const BmpPicture& picture : {BmpPicture{2, 2, 24, false, false, colours},
                                    BmpPicture{2, 2, 32, false, false, withTopBytes}}) {
    const auto bitmap = LoadPicture(picture);
    EXPECT_EQ(2, bitmap->Width());
    EXPECT_EQ(2, bitmap->Height());
    EXPECT_EQ(keyed, PixelsOf(*bitmap)) << picture.bitsPerPixel << " bits";
  }
}

TEST(Bitmap, StoresTheTopRowFirstWhateverTheFileOrder) {
  // 3 pixels wide: 24-bit rows are padded from 9 to 12 bytes.
  const std::vector<std::uint32_t> colours = {0x010101, 0x020202, 0x030303,
                                              0x040404, 0x050505, 0x060606};
  std::vector<std::uint32_t> expected;
  for (std::uint32_t colour : colours) expected.push_back(0xFF000000 | colour);
  for (bool topDown : {false, true}) {
    EXPECT_EQ(expected, PixelsOf(*LoadPicture({3, 2, 24, topDown, false, colours})))
        << (topDown ? "top-down" : "bottom-up");
  }
}

TEST(Bitmap, ReportsPicturesItCannotUse) {
  const std::vector<std::uint32_t> sixteen(16, 0);
  EXPECT_THROWS_MESSAGE((LoadPicture({4, 4, 8, false, false, sixteen})), u"Unsupported bit depth");
  EXPECT_THROWS_MESSAGE((LoadPicture({4, 4, 16, false, false, sixteen})), u"Unsupported bit depth");
  EXPECT_THROWS_MESSAGE(CBitmap::Load(u"Data\\Missing.bmp"), u"LoadImage() failed");
  EXPECT_THROWS_MESSAGE(CBitmap::Load(tlib::TString()), u"LoadImage() failed");
  platform_test::FailCall("GetObjectW", ERROR_INVALID_HANDLE);
  EXPECT_THROWS_MESSAGE((LoadPicture({1, 1, 24, false, false, {0}})), u"GetObject() failed");
  platform_test::ClearCallFailures();
}
