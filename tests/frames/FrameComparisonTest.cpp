// What the frame comparison counts: ties decided the other way and edges a
// pixel aside are the latitude two rasterizers have; a colour that neither
// picture has nearby is not.
#include <gtest/gtest.h>

#include <vector>

#include "FrameComparison.h"

using assets::CImage;
using assets::Rgb;

namespace {

constexpr Rgb grey{100, 100, 100};

// A band 4 pixels wide down an 8 x 8 picture of white, starting at column `left`.
CImage Band(int left, Rgb colour = grey) {
  CImage image(8, 8, Rgb{255, 255, 255});
  for (int y = 0; y < 8; ++y) {
    for (int x = left; x < left + 4; ++x) image.Set(x, y, colour);
  }
  return image;
}

struct Case {
  const char* what;
  CImage other;
  int differing, ties, unexplained;
};

TEST(FrameComparison, TellsTiesAndEdgesFromWrongColours) {
  const Case cases[] = {
      {"the same", Band(2), 0, 0, 0},
      {"a blend off by rounding", Band(2, Rgb{102, 98, 101}), 0, 0, 0},
      {"a tie decided the other way", Band(1), 16, 16, 0},
      {"an edge a pixel to the right", Band(3), 16, 0, 0},
      {"a blend off by more", Band(2, Rgb{110, 110, 110}), 32, 0, 32},
      {"a wrong texel", Band(2, Rgb{200, 0, 0}), 32, 0, 32},
  };
  for (const Case& c : cases) {
    const FrameDifference d = CFrameComparison(Band(2), c.other).Difference();
    EXPECT_EQ((std::vector<int>{64, c.differing, c.ties, c.unexplained}),
              (std::vector<int>{d.pixels, d.differing, d.ties, d.unexplained}))
        << c.what;
  }
}

TEST(FrameComparison, MarksWhatDiffersOnAFadedReference) {
  const CFrameComparison comparison(Band(2), Band(2, Rgb{200, 0, 0}));
  EXPECT_EQ((Rgb{0, 0, 255}), comparison.Picture().At(3, 3));      // unexplained
  EXPECT_EQ((Rgb{255, 255, 255}), comparison.Picture().At(0, 0));  // white stays white
  EXPECT_THROW(CFrameComparison(Band(2), CImage(4, 4)), std::runtime_error);
}

}  // namespace
