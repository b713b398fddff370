// What the frame comparison counts: ties decided the other way and edges a
// pixel aside are the latitude two rasterizers have; a colour that neither
// picture has nearby is not.
#include <gtest/gtest.h>

#include <vector>

#include "FrameComparison.h"

using assets::CImage;
using assets::Rgb;

namespace {

// A band 4 pixels wide down an 8 x 8 picture of white, starting at column `left`.
CImage Band(int left, Rgb colour = Rgb{100, 100, 100}) {
  CImage image(8, 8, Rgb{255, 255, 255});
  for (int i = 0; i < 32; ++i) image.Set(left + i % 4, i / 4, colour);
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

}  // namespace
