// LoadImageW, GetObjectW and DeleteObject on bitmap files written by the test.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "BmpFile.h"
#include "platform/Windows.h"

using render_test::BmpPicture;
using render_test::EncodeBmp;
using render_test::TemporaryFile;

namespace {

// 3 x 2 pixels, every one different: rows of 24-bit pixels need padding.
const std::vector<std::uint32_t> sixColours = {0x102030, 0x405060, 0x708090,
                                               0xA0B0C0, 0xD0E0F0, 0x0F1E2D};

HANDLE Load(const TemporaryFile& file) {
  return LoadImageW(nullptr, reinterpret_cast<LPCWSTR>(file.WindowsPath().c_str()), IMAGE_BITMAP, 0,
                    0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
}

// The colour at column x, row y from the top, read the way the program reads a section.
std::uint32_t SectionColour(const BITMAP& bitmap, int x, int y) {
  const auto* row = static_cast<const std::uint8_t*>(bitmap.bmBits) +
                    (bitmap.bmHeight - 1 - y) * bitmap.bmWidthBytes;
  const std::uint8_t* pixel = row + x * (bitmap.bmBitsPixel / 8);
  return static_cast<std::uint32_t>(pixel[2] << 16 | pixel[1] << 8 | pixel[0]);
}

}  // namespace

TEST(LoadImage, HandsOverCommonLayoutsAsABottomUpSection) {
  struct Case {
    const char* name;
    BmpPicture picture;
  };
  std::vector<std::uint32_t> withTopBytes = sixColours;
  for (std::uint32_t& pixel : withTopBytes) pixel |= 0x5A000000;
  const Case cases[] = {
      {"24-bit", {3, 2, 24, false, false, sixColours}},
      {"24-bit top-down", {3, 2, 24, true, false, sixColours}},
      {"32-bit", {3, 2, 32, false, false, withTopBytes}},
      {"32-bit top-down", {3, 2, 32, true, false, sixColours}},
      {"32-bit bit fields", {3, 2, 32, false, true, sixColours}},
  };
  for (const Case& c : cases) {
    const TemporaryFile file(EncodeBmp(c.picture));
    HANDLE image = Load(file);
    ASSERT_NE(nullptr, image) << c.name;
    BITMAP bitmap{};
    ASSERT_EQ(static_cast<int>(sizeof bitmap), GetObjectW(image, sizeof bitmap, &bitmap));
    EXPECT_EQ(3, bitmap.bmWidth) << c.name;
    EXPECT_EQ(2, bitmap.bmHeight) << c.name;
    EXPECT_EQ(c.picture.bitsPerPixel, bitmap.bmBitsPixel) << c.name;
    EXPECT_EQ(12, bitmap.bmWidthBytes) << c.name;  // 9 bytes of 24-bit pixels padded to 12
    EXPECT_EQ(1, bitmap.bmPlanes) << c.name;
    for (int y = 0; y < 2; ++y) {
      for (int x = 0; x < 3; ++x) {
        EXPECT_EQ(sixColours[y * 3 + x], SectionColour(bitmap, x, y))
            << c.name << " " << x << "," << y;
      }
    }
    EXPECT_EQ(TRUE, DeleteObject(image));
  }
}

TEST(LoadImage, Reports8And16BitPicturesAtTheirOwnDepth) {
  for (int bits : {8, 16}) {
    const TemporaryFile file(
        EncodeBmp({5, 3, bits, false, false, std::vector<std::uint32_t>(15, 7)}));
    HANDLE image = Load(file);
    ASSERT_NE(nullptr, image) << bits;
    BITMAP bitmap{};
    ASSERT_NE(0, GetObjectW(image, sizeof bitmap, &bitmap));
    EXPECT_EQ(bits, bitmap.bmBitsPixel);
    EXPECT_EQ(5, bitmap.bmWidth);
    EXPECT_EQ(0, bitmap.bmWidthBytes % 4);
    EXPECT_GE(bitmap.bmWidthBytes, 5 * bits / 8);
    DeleteObject(image);
  }
}

TEST(LoadImage, RefusesMissingAndMalformedFiles) {
  const std::vector<std::uint8_t> good =
      EncodeBmp({4, 4, 24, false, false, std::vector<std::uint32_t>(16, 0x123456)});
  auto patched = [&](std::size_t offset, std::vector<std::uint8_t> bytes) {
    std::vector<std::uint8_t> copy = good;
    std::memcpy(&copy[offset], bytes.data(), bytes.size());
    return copy;
  };
  const std::vector<std::vector<std::uint8_t>> malformed = {
      {},
      {'B', 'M'},
      std::vector<std::uint8_t>(good.begin(), good.begin() + 30),  // cut in the header
      std::vector<std::uint8_t>(good.begin(), good.end() - 20),    // cut in the pixels
      patched(0, {'X', 'Y'}),                                      // not a bitmap
      patched(28, {7, 0}),                                         // 7 bits per pixel
      patched(18, {0xFB, 0xFF, 0xFF, 0xFF}),                       // negative width
      patched(10, {0xFF, 0xFF, 0, 0}),                             // pixels beyond the end
  };
  for (std::size_t i = 0; i < malformed.size(); ++i) {
    const TemporaryFile file(malformed[i]);
    HANDLE image = Load(file);
    EXPECT_EQ(nullptr, image) << "case " << i;
    if (image != nullptr) DeleteObject(image);
  }
  EXPECT_EQ(nullptr, LoadImageW(nullptr, u"no\\such\\picture.bmp", IMAGE_BITMAP, 0, 0,
                                LR_LOADFROMFILE | LR_CREATEDIBSECTION));
}

TEST(LoadImage, RefusesRequestsItDoesNotStandFor) {
  const TemporaryFile file(EncodeBmp({1, 1, 24, false, false, {0}}));
  const auto* path = reinterpret_cast<LPCWSTR>(file.WindowsPath().c_str());
  const UINT flags = LR_LOADFROMFILE | LR_CREATEDIBSECTION;
  SetLastError(0);
  EXPECT_EQ(nullptr, LoadImageW(nullptr, path, 1 /* IMAGE_ICON */, 0, 0, flags));
  EXPECT_EQ(ERROR_INVALID_PARAMETER, GetLastError());
  EXPECT_EQ(nullptr, LoadImageW(nullptr, path, IMAGE_BITMAP, 16, 16, flags));
  EXPECT_EQ(nullptr, LoadImageW(nullptr, path, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  EXPECT_EQ(nullptr, LoadImageW(nullptr, nullptr, IMAGE_BITMAP, 0, 0, flags));
}

TEST(LoadImage, GetObjectAndDeleteObjectAcceptOnlyLiveBitmaps) {
  const TemporaryFile file(EncodeBmp({2, 2, 32, false, false, std::vector<std::uint32_t>(4, 0)}));
  HANDLE image = Load(file);
  ASSERT_NE(nullptr, image);
  BITMAP bitmap{};
  EXPECT_EQ(static_cast<int>(sizeof(BITMAP)), GetObjectW(image, 0, nullptr));
  EXPECT_EQ(0, GetObjectW(image, sizeof bitmap - 1, &bitmap));
  EXPECT_EQ(TRUE, DeleteObject(image));
  EXPECT_EQ(0, GetObjectW(image, sizeof bitmap, &bitmap));
  EXPECT_EQ(FALSE, DeleteObject(image));
  EXPECT_EQ(0, GetObjectW(GetStockObject(WHITE_BRUSH), sizeof bitmap, &bitmap));
  EXPECT_EQ(TRUE, DeleteObject(GetStockObject(WHITE_BRUSH)));  // ignored, as on Windows
}
