// What the stand-in's LoadImageW refuses, top-down files, and CBitmap when
// GetObjectW fails. Windows is no reference on malformed files (each version
// shows some of them in its own way), so those are the stand-in's own rules;
// Wine draws top-down files black.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "BmpFile.h"
#include "platform/Windows.h"
#include "platform/testing/TestControls.h"
#include "render/Bitmap.h"
#include "tests/tlib/ThrowsMessage.h"

using namespace bmp_test;

TEST(LoadImageW, RefusesMissingAndMalformedFiles) {
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

TEST(LoadImageW, HandsOverTopDownFilesBottomUpToo) {
  for (int bitsPerPixel : {24, 32}) {
    const TemporaryFile file(EncodeBmp({3, 2, bitsPerPixel, true, false, sixColours}));
    HANDLE image = Load(file);
    ASSERT_NE(nullptr, image);
    BITMAP bitmap{};
    ASSERT_EQ(static_cast<int>(sizeof bitmap), GetObjectW(image, sizeof bitmap, &bitmap));
    EXPECT_EQ(2, bitmap.bmHeight);
    for (int y = 0; y < 2; ++y) {
      for (int x = 0; x < 3; ++x) {
        EXPECT_EQ(sixColours[y * 3 + x], SectionColour(bitmap, x, y)) << x << "," << y;
      }
    }
    EXPECT_EQ(TRUE, DeleteObject(image));
  }
  const auto keyed = LoadPicture({3, 1, 24, true, false, {0xFFFFFF, 0xFF00FF, 0x123456}});
  EXPECT_EQ((std::vector<std::uint32_t>{0x00000000, 0x7F7F7F7F, 0xFF123456}),
            std::vector(keyed->Pixels(), keyed->Pixels() + 3));
}

// GetObjectW describes bitmaps only; Windows would describe a brush too, which
// the program never asks for.
TEST(LoadImageW, GetObjectDescribesNothingButBitmaps) {
  BITMAP bitmap{};
  EXPECT_EQ(0, GetObjectW(GetStockObject(WHITE_BRUSH), sizeof bitmap, &bitmap));
}

TEST(Bitmap, ReportsAFailedGetObject) {
  platform_test::FailCall("GetObjectW", ERROR_INVALID_HANDLE);
  EXPECT_THROWS_MESSAGE((LoadPicture({1, 1, 24, false, false, {0}})), u"GetObject() failed");
  platform_test::ClearCallFailures();
}
