// A picture being drawn. Shapes are painted over one another with
// anti-aliased edges; what no paint covers stays transparent, and shading
// marks where a shadow falls. ToImage turns the result into the game's colour
// key: covered pixels keep their colour (never pure white or magenta), shaded
// uncovered ones become magenta, the rest pure white.
#pragma once

#include <vector>

#include "assets/Colour.h"
#include "assets/Image.h"
#include "assets/Shape.h"

namespace assets {

class CCanvas {
 public:
  CCanvas(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }

  // Paints the shape, given in pixels. `softness` is the width in pixels over
  // which its edge fades (1 for a crisp anti-aliased edge, more for a blur).
  void Fill(const CShape& shape, Colour colour, double opacity = 1, double softness = 1);
  // Casts a shadow: paint already there is darkened as the game darkens the
  // ground under a shadow; where there is none yet, the shadow is marked for
  // the colour key.
  void Shade(const CShape& shape);
  // Draws a finished picture as the game draws its textures and sprites,
  // stretched over a width x height rectangle centred on `centre` and turned
  // by `angle`: each pixel takes the nearest picture pixel; transparent ones
  // leave the canvas as it is and shadow ones darken it.
  void Stamp(const CImage& picture, Point centre, double width, double height, double angle = 0);
  CImage ToImage() const;
  // The picture with its coverage kept as transparency, and shadows that fall
  // beside the paint as a see-through dark shade, as the game draws them.
  TranslucentImage ToTranslucentImage() const;

 private:
  struct Cell {
    Colour premultiplied;
    double alpha = 0;
    double shadow = 0;
  };

  // The pixels a box touches, cut to the canvas: columns left to right - 1,
  // rows top to bottom - 1.
  struct PixelArea {
    int left, top, right, bottom;
  };
  PixelArea Covering(const Box& box) const;

  template <typename Paint>
  void ForEachCovered(const CShape& shape, double softness, Paint paint);
  static void Darken(Cell& cell, double amount);

  int width_;
  int height_;
  std::vector<Cell> cells_;
};

}  // namespace assets
