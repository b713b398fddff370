#include "assets/HudArt.h"

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "assets/CreatureArt.h"
#include "assets/Font.h"
#include "assets/Palette.h"

namespace assets {

namespace {

constexpr TextStyle digitStyle{.capHeight = 22,
                               .weight = 0.55,
                               .fill = palette::gold,
                               .outlineWidth = 1.6,
                               .outline = palette::ink,
                               .shadowOffset = {1.5, 1.5}};
constexpr double digitMargin = 0.6;

std::string DigitText(int digit) { return std::string(1, static_cast<char>('0' + digit)); }

constexpr Point badgeCentre{19, 19};
constexpr double badgeRadius = 17;
constexpr Point markCentre{31, 31};

// Splashes around a run-over frog.
void DrawSplashes(const CPainter& painter) {
  constexpr Point splashes[] = {{6, 12}, {32, 9}, {8, 30}, {27, 5}, {4, 21}};
  constexpr double sizes[] = {2.2, 1.8, 1.6, 1.3, 1.2};
  for (std::size_t i = 0; i < std::size(splashes); ++i) {
    painter.FillOutlined(CShape::Circle(splashes[i], sizes[i]), palette::frogSkin,
                         palette::frogDark, 0.8);
  }
}

CShape Tick() {
  return CShape::Union(
      {CShape::Capsule(markCentre + Point{-3.6, 0.2}, markCentre + Point{-1, 2.8}, 1.3),
       CShape::Capsule(markCentre + Point{-1, 2.8}, markCentre + Point{3.6, -2.4}, 1.3)});
}

CShape Cross() {
  return CShape::Capsule(markCentre + Point{-2.8, -2.8}, markCentre + Point{2.8, 2.8}, 1.3) |
         CShape::Capsule(markCentre + Point{-2.8, 2.8}, markCentre + Point{2.8, -2.8}, 1.3);
}

}  // namespace

int DigitWidth(int digit) {
  return static_cast<int>(std::ceil(TextWidth(DigitText(digit), digitStyle) +
                                    digitStyle.shadowOffset.x + 2 * digitMargin));
}

void DrawDigit(const CPainter& painter, int digit) {
  DrawText(painter, DigitText(digit), {digitMargin, digitMargin}, digitStyle);
}

void DrawScoreIcon(const CPainter& painter, ScoreIcon icon) {
  const bool saved = icon == ScoreIcon::Saved;
  const CShape badge = CShape::Circle(badgeCentre, badgeRadius);
  painter.Shade(badge.Grown(1.5).Moved({2, 2}));
  painter.FillOutlined(badge, saved ? palette::savedBadge : palette::splatBadge, palette::ink, 1.5);
  if (!saved) DrawSplashes(painter);
  DrawFrog(painter.Within({badgeCentre + Point{0, 1}, 11, -std::numbers::pi / 2}),
           saved ? FrogPose::Crouching : FrogPose::Flattened);
  painter.FillOutlined(CShape::Circle(markCentre, 7), saved ? palette::good : palette::bad,
                       palette::ink, 1.2);
  painter.Fill(saved ? Tick() : Cross(), palette::paper);
}

void DrawCursor(const CPainter& painter) {
  const Point middle{cursorSize / 2.0, cursorSize / 2.0};
  // Wider than a road block at rest, ink included, so that a block under the
  // mouse shows whole through the middle.
  constexpr double innerRadius = 14.5;
  constexpr double outerRadius = 16;
  std::vector<CShape> parts{CShape::Ring(middle, innerRadius, outerRadius)};
  for (int quarter = 0; quarter < 4; ++quarter) {
    double angle = quarter * std::numbers::pi / 2;
    Point direction{std::cos(angle), std::sin(angle)};
    parts.push_back(
        CShape::Capsule(middle + direction * outerRadius, middle + direction * 18.2, 1.0));
  }
  painter.FillOutlined(CShape::Union(std::move(parts)), palette::paper, palette::ink, 1.2);
}

}  // namespace assets
