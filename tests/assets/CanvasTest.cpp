#include <gtest/gtest.h>

#include "assets/Canvas.h"

using assets::CCanvas;
using assets::Colour;
using assets::keyShadow;
using assets::keyTransparent;
using assets::Rgb;

namespace {

assets::CShape Box(double left, double top, double right, double bottom) {
  return assets::CShape::Rectangle({left, top, right, bottom});
}

TEST(Canvas, PaintNeverTurnsIntoAKeyColourAndShadowOnNothingIsMarked) {
  CCanvas canvas(5, 1);
  canvas.Fill(Box(0, 0, 1, 1), Colour{255, 255, 255});
  canvas.Fill(Box(1, 0, 2, 1), Colour{255, 0, 255});
  canvas.Fill(Box(3, 0, 4, 1), Colour{200, 200, 200});
  canvas.Shade(Box(3, 0, 5, 1));
  const assets::CImage image = canvas.ToImage();
  EXPECT_EQ((Rgb{255, 255, 254}), image.At(0, 0));
  EXPECT_FALSE(image.At(1, 0) == keyShadow || image.At(1, 0) == keyTransparent);
  EXPECT_EQ(keyTransparent, image.At(2, 0));
  // As the game shows a shadow: grey 127 at alpha 127 over the paint.
  EXPECT_EQ((Rgb{164, 164, 164}), image.At(3, 0));
  EXPECT_EQ(keyShadow, image.At(4, 0));
}

TEST(Canvas, EdgesAreSoftInsideAndHardAtTheOutline) {
  CCanvas canvas(3, 1), alone(3, 1);
  canvas.Fill(Box(0, 0, 3, 1), Colour{0, 0, 0});
  canvas.Fill(Box(0, 0, 1.5, 1), Colour{200, 100, 0});  // half of pixel 1
  alone.Fill(Box(0, 0, 1.5, 1), Colour{200, 100, 0});
  alone.Fill(Box(0, 0, 1.4, 1), Colour{200, 100, 0});
  EXPECT_EQ((Rgb{100, 50, 0}), canvas.ToImage().At(1, 0));
  // Over nothing, a mostly covered pixel keeps its colour unblended.
  EXPECT_EQ((Rgb{200, 100, 0}), alone.ToImage().At(1, 0));
  EXPECT_EQ(keyTransparent, alone.ToImage().At(2, 0));
}

TEST(Canvas, StampDrawsPicturesAsTheGameDoes) {
  assets::CImage picture(2, 1);
  picture.Set(0, 0, keyShadow);  // the other pixel stays transparent
  CCanvas canvas(4, 2);
  canvas.Fill(Box(0, 0, 4, 2), Colour{255, 255, 253});
  canvas.Stamp(picture, {2, 1}, 4, 2);  // stretched over the whole canvas
  const assets::CImage image = canvas.ToImage();
  EXPECT_EQ((Rgb{191, 191, 190}), image.At(1, 1));
  EXPECT_EQ((Rgb{255, 255, 253}), image.At(2, 0));
}

}  // namespace
