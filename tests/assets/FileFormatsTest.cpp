#include <gtest/gtest.h>

#include "assets/FileFormats.h"

using assets::Bytes;
using assets::CImage;

namespace {

TEST(FileFormats, BitmapRowsArePaddedAndStoredBottomUp) {
  CImage image(3, 2);
  image.Set(0, 0, {1, 2, 3});  // top-left
  image.Set(2, 1, {4, 5, 6});  // bottom-right
  Bytes file = assets::EncodeBitmap(image);
  ASSERT_EQ(54u + 2 * 12, file.size());  // 9 bytes of pixels and 3 of padding a row
  // The bottom row comes first, pixels as blue, green, red.
  EXPECT_EQ((Bytes{255, 255, 255, 255, 255, 255, 6, 5, 4, 0, 0, 0}),
            Bytes(file.begin() + 54, file.begin() + 66));
  EXPECT_EQ((Bytes{3, 2, 1}), Bytes(file.begin() + 66, file.begin() + 69));
  EXPECT_EQ((Bytes{0, 0, 0}), Bytes(file.end() - 3, file.end()));
}

TEST(FileFormats, WaveHoldsLittleEndianSamples) {
  Bytes file = assets::EncodeWave({1, -2, 0x1234}, 8000);
  ASSERT_EQ(44u + 6, file.size());
  EXPECT_EQ((Bytes{0x40, 0x1F, 0, 0}), Bytes(file.begin() + 24, file.begin() + 28));  // rate
  EXPECT_EQ((Bytes{1, 0, 0xFE, 0xFF, 0x34, 0x12}), Bytes(file.begin() + 44, file.end()));
}

}  // namespace
