#include "assets/RoadBlockArt.h"

#include <vector>

#include "assets/Palette.h"

namespace assets {

namespace {

// Laid out on the texture's grid of 0.2 units a pixel, centred on the middle.
constexpr double outlineWidth = 0.2;
constexpr Box bar{-1.9, -0.4, 1.9, 0.2};
constexpr double footInner = 1.1;

CShape Feet() {
  return CShape::Rectangle({bar.left, bar.bottom, -footInner, bar.bottom + 0.4}) |
         CShape::Rectangle({footInner, bar.bottom, bar.right, bar.bottom + 0.4});
}

// Red panels across the white bar between the two lamps, three pixels wide
// each: at this size, panels read better than slanted stripes.
CShape RedPanels() {
  constexpr double width = 0.6;
  std::vector<CShape> panels;
  for (double x = bar.left + 0.4; x < bar.right - 0.4; x += 2 * width) {
    panels.push_back(CShape::Rectangle({x, bar.top, x + width, bar.bottom}));
  }
  return CShape::Union(std::move(panels));
}

}  // namespace

void DrawRoadBlock(const CPainter& painter) {
  const CShape board = CShape::Rectangle(bar);
  painter.Shade(board.Grown(outlineWidth).Moved({0.2, 0.2}));
  painter.FillOutlined(Feet(), Darker(palette::pavement, 0.4), palette::ink, outlineWidth);
  painter.FillOutlined(board, palette::barrierWhite, palette::ink, outlineWidth);
  painter.Fill(RedPanels(), palette::barrierRed);
  for (double x : {bar.left + 0.2, bar.right - 0.2}) {
    painter.Fill(CShape::Rectangle({x - 0.2, bar.top, x + 0.2, bar.bottom}), palette::amber);
  }
}

}  // namespace assets
