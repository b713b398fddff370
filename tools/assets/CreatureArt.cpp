#include "assets/CreatureArt.h"

#include <vector>

#include "assets/Palette.h"

namespace assets {

namespace {

struct Limb {
  Point hip, knee, foot;
};

struct FrogShape {
  double bodyHalfLength, bodyHalfWidth, headHalfWidth;
  Limb hind, fore;  // the limbs of the left side (-y); the right side mirrors them
  double limbRadius;
};

constexpr FrogShape crouching{0.58,
                              0.5,
                              0.46,
                              {{-0.3, -0.3}, {-0.78, -0.72}, {-0.3, -0.8}},
                              {{0.3, -0.3}, {0.5, -0.68}, {0.72, -0.7}},
                              0.17};
constexpr FrogShape flattened{0.72,
                              0.68,
                              0.5,
                              {{-0.35, -0.4}, {-0.85, -0.75}, {-0.98, -0.98}},
                              {{0.3, -0.4}, {0.65, -0.8}, {0.92, -0.92}},
                              0.14};

Point Mirror(Point p) { return {p.x, -p.y}; }

CShape Limbs(const FrogShape& frog) {
  std::vector<CShape> parts;
  for (const Limb& limb : {frog.hind, frog.fore}) {
    for (const Limb& side : {limb, Limb{Mirror(limb.hip), Mirror(limb.knee), Mirror(limb.foot)}}) {
      parts.push_back(CShape::Capsule(side.hip, side.knee, frog.limbRadius));
      parts.push_back(CShape::Capsule(side.knee, side.foot, frog.limbRadius));
    }
  }
  return CShape::Union(std::move(parts));
}

CShape Body(const FrogShape& frog) {
  return CShape::Ellipse({-0.12, 0}, frog.bodyHalfLength, frog.bodyHalfWidth) |
         CShape::Ellipse({0.42, 0}, 0.42, frog.headHalfWidth);
}

void DrawEyes(const CPainter& painter, FrogPose pose) {
  for (double side : {-1.0, 1.0}) {
    Point eye{0.5, side * 0.34};
    painter.FillOutlined(CShape::Circle(eye, 0.2), palette::eyeWhite, palette::frogDark, 0.06);
    if (pose == FrogPose::Crouching) {
      painter.Fill(CShape::Circle(eye + Point{0.08, side * 0.04}, 0.1), palette::ink);
    } else {
      // Crossed-out eyes: this frog did not make it.
      painter.Fill(CShape::Capsule(eye + Point{-0.1, -0.1}, eye + Point{0.1, 0.1}, 0.035) |
                       CShape::Capsule(eye + Point{-0.1, 0.1}, eye + Point{0.1, -0.1}, 0.035),
                   palette::ink);
    }
  }
}

// The upper half of the frog in play, facing right; the lower half mirrors it.
// o outline, g skin, l belly, w eye, k pupil, . nothing.
constexpr const char* frogInPlay[] = {
    ".oo...oo..", "oggo.ogoo.", "ooggoowwko", "..oggggwwo", "..oglllggo",
};

Colour FrogPixelColour(char code) {
  switch (code) {
    case 'o': return palette::frogDark;
    case 'l': return palette::frogBelly;
    case 'w': return palette::eyeWhite;
    case 'k': return palette::ink;
    default: return palette::frogSkin;
  }
}

}  // namespace

void DrawFrogInPlay(const CPainter& painter) {
  constexpr int cells = 10, half = cells / 2;
  constexpr double cell = frogSize / cells;
  for (int row = 0; row < cells; ++row) {
    const char* pattern = frogInPlay[row < half ? row : cells - 1 - row];
    for (int column = 0; column < cells; ++column) {
      if (pattern[column] == '.') continue;
      Point topLeft{column * cell - frogSize / 2, row * cell - frogSize / 2};
      painter.Fill(CShape::Rectangle({topLeft.x, topLeft.y, topLeft.x + cell, topLeft.y + cell}),
                   FrogPixelColour(pattern[column]));
    }
  }
}

void DrawFrog(const CPainter& painter, FrogPose pose) {
  const FrogShape& frog = pose == FrogPose::Crouching ? crouching : flattened;
  const CShape limbs = Limbs(frog), body = Body(frog);
  constexpr double outline = 0.17;
  painter.Fill((limbs | body).Grown(outline), palette::frogDark);
  painter.Fill(limbs, palette::frogSkin);
  painter.Fill(body.Grown(0.02), palette::frogDark);
  painter.Fill(body, palette::frogSkin);
  painter.Fill(CShape::Ellipse({-0.25, 0}, 0.3, 0.2), palette::frogBelly);
  DrawEyes(painter, pose);
}

}  // namespace assets
