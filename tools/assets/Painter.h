// Draws shapes given in a drawing's own units onto a canvas, through a
// placement. The same art is drawn as a small texture or large on the title
// picture by painting it through different placements.
#pragma once

#include <optional>

#include "assets/Canvas.h"

namespace assets {

class CPainter {
 public:
  CPainter(CCanvas& canvas, const Placement& placement);

  // A painter for a drawing placed by `inner` within this one.
  CPainter Within(const Placement& inner) const;
  // A painter that paints only inside the shape, given in this painter's units.
  CPainter Clipped(const CShape& clip) const;
  // The length, in this painter's units, of one pixel of the canvas.
  double Pixel() const { return 1 / placement_.scale; }

  void Fill(const CShape& shape, Colour colour, double opacity = 1) const;
  // A blurred fill whose edge fades over `softness` units.
  void FillSoft(const CShape& shape, Colour colour, double opacity, double softness) const;
  // Paints the shape with an outline of the given width around it.
  void FillOutlined(const CShape& shape, Colour fill, Colour outline, double outlineWidth) const;
  void Shade(const CShape& shape) const;

 private:
  // The shape in canvas pixels, cut by the clip if there is one.
  CShape OnCanvas(const CShape& shape) const;

  CCanvas& canvas_;
  Placement placement_;
  std::optional<CShape> clip_;  // in canvas pixels
};

}  // namespace assets
