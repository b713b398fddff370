// Bitmaps read back as they were written, and nothing else read at all.
#include <gtest/gtest.h>

#include <stdexcept>

#include "assets/FileFormats.h"

using assets::Bytes;

TEST(FileFormats, ABitmapReadsBackAsItWasWrittenAndNoOtherIsRead) {
  assets::CImage image(3, 2);  // rows of 9 bytes, padded to 12
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) image.Set(x, y, {std::uint8_t(10 * x), std::uint8_t(y), 200});
  }
  const Bytes good = assets::EncodeBitmap(image);
  const assets::CImage read = assets::DecodeBitmap(good);
  ASSERT_EQ(3, read.Width());
  ASSERT_EQ(2, read.Height());
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) EXPECT_EQ(image.At(x, y), read.At(x, y)) << x << "," << y;
  }
  auto patched = [&](std::size_t offset, std::uint8_t value) {
    Bytes copy = good;
    copy[offset] = value;
    return copy;
  };
  const Bytes refused[] = {
      Bytes(good.begin(), good.begin() + 53),  // headers cut short
      Bytes(good.begin(), good.end() - 1),     // pixels cut short
      patched(0, 'X'),                         // not a bitmap
      patched(28, 32),                         // 32 bits per pixel
      patched(30, 1),                          // compressed
      patched(25, 0xFF),                       // a negative height: top-down
      patched(18, 0),                          // no width
  };
  for (const Bytes& bytes : refused) {
    EXPECT_THROW(assets::DecodeBitmap(bytes), std::runtime_error) << &bytes - refused;
  }
}
