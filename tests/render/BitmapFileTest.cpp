// Bitmap files written byte by byte by the test, loaded through LoadImageW,
// GetObjectW and DeleteObject, and through CBitmap with its colour key.
#include <gtest/gtest.h>

#include <unistd.h>

#include <atomic>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/TestControls.h"
#include "platform/Windows.h"
#include "render/Bitmap.h"
#include "tests/tlib/ThrowsMessage.h"

namespace {

// An uncompressed picture of 8, 16, 24 or 32 bits per pixel.
struct BmpPicture {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 24;
  bool topDown = false;
  // 32 bits only: BI_BITFIELDS with red in the low byte and blue in the third.
  bool swappedMasks = false;
  // width x height values, top row first: 0xXXRRGGBB for 24 and 32 bits, the
  // 16-bit value for 16 bits, the palette index for 8 bits (a grey ramp).
  std::vector<std::uint32_t> pixels;
};

void PutLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::uint32_t Stored(const BmpPicture& picture, std::uint32_t pixel) {
  if (!picture.swappedMasks) return pixel;
  const std::uint32_t red = (pixel >> 16) & 0xFF, green = (pixel >> 8) & 0xFF, blue = pixel & 0xFF;
  return red | green << 8 | blue << 16;
}

std::vector<std::uint8_t> EncodeBmp(const BmpPicture& picture) {
  const int bytesPerPixel = picture.bitsPerPixel / 8;
  const int rowBytes = (picture.width * bytesPerPixel + 3) / 4 * 4;
  const int masksBytes = picture.swappedMasks ? 12 : 0;
  const int paletteBytes = picture.bitsPerPixel == 8 ? 256 * 4 : 0;
  const int pixelOffset = 14 + 40 + masksBytes + paletteBytes;
  const int fileSize = pixelOffset + rowBytes * picture.height;

  std::vector<std::uint8_t> out = {'B', 'M'};
  PutLittleEndian(out, static_cast<std::uint32_t>(fileSize), 4);
  PutLittleEndian(out, 0, 4);
  PutLittleEndian(out, static_cast<std::uint32_t>(pixelOffset), 4);
  PutLittleEndian(out, 40, 4);
  PutLittleEndian(out, static_cast<std::uint32_t>(picture.width), 4);
  PutLittleEndian(
      out, static_cast<std::uint32_t>(picture.topDown ? -picture.height : picture.height), 4);
  PutLittleEndian(out, 1, 2);
  PutLittleEndian(out, static_cast<std::uint32_t>(picture.bitsPerPixel), 2);
  PutLittleEndian(out, picture.swappedMasks ? 3 : 0, 4);  // BI_BITFIELDS or BI_RGB
  PutLittleEndian(out, static_cast<std::uint32_t>(rowBytes * picture.height), 4);
  for (int i = 0; i < 4; ++i) PutLittleEndian(out, 0, 4);  // resolution, palette counts
  if (picture.swappedMasks) {
    PutLittleEndian(out, 0x000000FF, 4);
    PutLittleEndian(out, 0x0000FF00, 4);
    PutLittleEndian(out, 0x00FF0000, 4);
  }
  for (int i = 0; i < paletteBytes / 4; ++i)
    PutLittleEndian(out, static_cast<std::uint32_t>(i * 0x010101), 4);
  for (int row = 0; row < picture.height; ++row) {
    const int sourceRow = picture.topDown ? row : picture.height - 1 - row;
    for (int x = 0; x < picture.width; ++x) {
      const std::uint32_t pixel =
          picture.pixels[static_cast<std::size_t>(sourceRow * picture.width + x)];
      PutLittleEndian(out, Stored(picture, pixel), bytesPerPixel);
    }
    for (int pad = picture.width * bytesPerPixel; pad < rowBytes; ++pad) out.push_back(0);
  }
  return out;
}

// A file that is removed again when the object goes.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::vector<std::uint8_t>& bytes) {
    static std::atomic<int> counter{0};
    path_ =
        std::filesystem::temp_directory_path() / ("marrowick-render-" + std::to_string(::getpid()) +
                                                  "-" + std::to_string(counter++) + ".bmp");
    std::ofstream(path_, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
  }

  // The path as the program passes it: UTF-16 with '\' between folders.
  std::u16string WindowsPath() const {
    std::u16string windowsPath;
    for (char c : path_.string()) windowsPath += c == '/' ? u'\\' : static_cast<char16_t>(c);
    return windowsPath;
  }

 private:
  std::filesystem::path path_;
};

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

std::unique_ptr<CBitmap> LoadPicture(const BmpPicture& picture) {
  const TemporaryFile file(EncodeBmp(picture));
  const std::u16string path = file.WindowsPath();
  return CBitmap::Load(tlib::TString(static_cast<int>(path.size()), path.data()));
}

}  // namespace

TEST(LoadImage, HandsOverEveryDepthAsABottomUpSection) {
  struct Case {
    const char* name;
    BmpPicture picture;
    int widthBytes;  // the row length, padded to a multiple of 4
  };
  std::vector<std::uint32_t> withTopBytes = sixColours;
  for (std::uint32_t& pixel : withTopBytes) pixel |= 0x5A000000;
  const Case cases[] = {
      {"24-bit", {3, 2, 24, false, false, sixColours}, 12},
      {"24-bit top-down", {3, 2, 24, true, false, sixColours}, 12},
      {"32-bit", {3, 2, 32, false, false, withTopBytes}, 12},
      {"32-bit top-down", {3, 2, 32, true, false, sixColours}, 12},
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

TEST(LoadImage, GetObjectAndDeleteObjectAcceptOnlyLiveBitmaps) {
  const TemporaryFile file(EncodeBmp({1, 1, 24, false, false, {0}}));
  HANDLE image = Load(file);
  ASSERT_NE(nullptr, image);
  BITMAP bitmap{};
  EXPECT_EQ(0, GetObjectW(image, sizeof bitmap - 1, &bitmap));
  EXPECT_EQ(TRUE, DeleteObject(image));
  EXPECT_EQ(0, GetObjectW(image, sizeof bitmap, &bitmap));
  EXPECT_EQ(FALSE, DeleteObject(image));
  EXPECT_EQ(0, GetObjectW(GetStockObject(WHITE_BRUSH), sizeof bitmap, &bitmap));
}

TEST(Bitmap, StoresTheTopRowFirstWithWhiteTransparentAndMagentaAHalfTransparentShade) {
  // 3 pixels wide: 24-bit rows are padded from 9 to 12 bytes.
  const std::vector<std::uint32_t> colours = {0xFFFFFF, 0xFFFFFE, 0xFF00FF,
                                              0x123456, 0x010203, 0xFEFFFF};
  const std::vector<std::uint32_t> keyed = {0x00000000, 0xFFFFFFFE, 0x7F7F7F7F,
                                            0xFF123456, 0xFF010203, 0xFFFEFFFF};
  std::vector<std::uint32_t> withTopBytes;
  for (std::uint32_t colour : colours) withTopBytes.push_back(colour | 0xA5000000);
  for (bool topDown : {false, true}) {
    for (const BmpPicture& picture : {BmpPicture{3, 2, 24, topDown, false, colours},
                                      BmpPicture{3, 2, 32, topDown, false, withTopBytes}}) {
      const auto bitmap = LoadPicture(picture);
      EXPECT_EQ(keyed, std::vector(bitmap->Pixels(),
                                   bitmap->Pixels() + bitmap->Width() * bitmap->Height()))
          << picture.bitsPerPixel << " bits, top-down " << topDown;
    }
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
