#include "assets/TitleArt.h"

#include <algorithm>
#include <numbers>

#include "assets/CreatureArt.h"
#include "assets/Font.h"
#include "assets/Palette.h"
#include "assets/RoadArt.h"
#include "assets/RoadBlockArt.h"
#include "assets/VehicleArt.h"

namespace assets {

namespace {

constexpr double middle = titleWidth / 2.0;
constexpr double quarterTurn = std::numbers::pi / 2;
constexpr Colour softInk{96, 100, 108};
constexpr const char* gameName = "MARROWICK";

// A blurred dark copy of a shape below and to the right of it.
void DropShadow(const CPainter& painter, const CShape& shape, double offset, double blur) {
  painter.FillSoft(shape.Moved({offset, offset}), palette::ink, 0.28, blur);
}

void DrawName(const CPainter& painter) {
  const TextStyle name{.capHeight = 78,
                       .weight = 0.62,
                       .fill = palette::gold,
                       .outlineWidth = 5,
                       .outline = palette::ink};
  // Set a little left of the middle, to leave room for the frog.
  const double left = middle - TextWidth(gameName, name) / 2 - 22;
  TextStyle shadow = name;
  shadow.fill = shadow.outline = Mix(palette::paper, palette::ink, 0.2);
  DrawText(painter, gameName, {left + 5, 37}, shadow);
  DrawText(painter, gameName, {left, 30}, name);
  // A frog leaping off the end of the name, its shadow far below it.
  const Point frog{left + TextWidth(gameName, name) + 42, 66};
  painter.FillSoft(CShape::Ellipse(frog + Point{10, 58}, 22, 7), palette::ink, 0.18, 8);
  DrawFrog(painter.Within({frog, 25, -1.0}), FrogPose::Crouching);
  const TextStyle tagline{.capHeight = 17, .weight = 0.5, .fill = softInk};
  DrawTextCentred(painter, "STEER THE TRAFFIC  -  SAVE THE FROGS", middle, 148, tagline);
}

// The street scene: one road along the panel crossed by two others, with
// traffic, a road block and frogs hopping out of town.
constexpr int sceneColumns = 11;
constexpr int sceneRows = 3;
constexpr double scenePixelsPerUnit = 10;
constexpr Point sceneTopLeft{72, 180};
constexpr double sceneCell = cellSize * scenePixelsPerUnit;

RoadLinks SceneCell(int column, int row) {
  const bool alongMainRoad = row == 1;
  const bool alongSideRoad = column == 3 || column == 8;
  return {alongMainRoad, alongMainRoad, alongSideRoad, alongSideRoad};
}

void DrawStreets(const CPainter& scene) {
  for (int row = 0; row < sceneRows; ++row) {
    for (int column = 0; column < sceneColumns; ++column) {
      RoadLinks links = SceneCell(column, row);
      CPainter cell = scene.Within(Translation({column * cellSize, row * cellSize}));
      if (links.west || links.east || links.north || links.south) {
        DrawRoadCell(cell, links);
      } else {
        cell.Fill(CShape::Rectangle({0, 0, cellSize, cellSize}), palette::ground);
      }
    }
  }
}

Point CellMiddle(double column, double row) {
  return {(column + 0.5) * cellSize, (row + 0.5) * cellSize};
}

void DrawTraffic(const CPainter& scene) {
  struct Car {
    Point at;
    double heading;
    int kind;
  };
  constexpr double west = 2 * quarterTurn, north = 3 * quarterTurn, south = quarterTurn;
  const Car cars[] = {{CellMiddle(1.1, 1), 0, 0},
                      {CellMiddle(6.2, 1), west, 2},
                      {CellMiddle(3, 0.15), south, 1},
                      {CellMiddle(8, 1.55), north, 1},
                      {CellMiddle(10.3, 1), west, 0}};
  for (const Car& car : cars) DrawCar(scene.Within({car.at, 1, car.heading}), car.kind);
  DrawRoadBlock(scene.Within({CellMiddle(8, 0.1), 1, 0}));
  DrawRoadBlock(scene.Within({CellMiddle(5, 1), 1, quarterTurn}));
}

void DrawFrogs(const CPainter& scene) {
  struct Frog {
    Point at;
    double angle;
    double lift;  // how far up in the air, as a scale factor
  };
  const Frog frogs[] = {{CellMiddle(4.35, 1.0), -1.2, 1.25}, {CellMiddle(4.7, 0.35), -1.0, 1},
                        {CellMiddle(5.6, 1.75), 0.9, 1.15},  {CellMiddle(2.2, 2.2), 2.4, 1},
                        {CellMiddle(6.6, 0.1), -0.5, 1},     {CellMiddle(9.3, 2.35), 0.6, 1.1}};
  for (const Frog& frog : frogs) {
    if (frog.lift > 1) {
      double drop = (frog.lift - 1) * 4;
      scene.Shade(CShape::Ellipse(frog.at + Point{drop, drop}, 0.8, 0.7));
    }
    DrawFrog(scene.Within({frog.at, frog.lift, frog.angle}), FrogPose::Crouching);
  }
}

void DrawScene(const CPainter& painter) {
  const Box panel{sceneTopLeft.x, sceneTopLeft.y, sceneTopLeft.x + sceneColumns * sceneCell,
                  sceneTopLeft.y + sceneRows * sceneCell};
  const CShape frame = CShape::Rectangle(panel, 20);
  DropShadow(painter, frame, 6, 10);
  const CPainter scene = painter.Clipped(frame).Within({sceneTopLeft, scenePixelsPerUnit, 0});
  DrawStreets(scene);
  DrawFrogs(scene);
  DrawTraffic(scene);
  painter.Fill(frame.Grown(4) - frame, palette::ink);
}

const TextStyle keyLabel{.capHeight = 11, .weight = 0.55, .fill = palette::ink};
const TextStyle actionText{.capHeight = 14, .weight = 0.5, .fill = palette::ink};
const TextStyle remark{.capHeight = 13, .weight = 0.5, .fill = softInk};
constexpr double keyPadding = 22, keyHeight = 26, keyGap = 18;

double KeyWidth(const char* key) { return TextWidth(key, keyLabel) + keyPadding; }

// A key of the keyboard with its label, right-aligned at `keyRight`, and
// what it does to its right.
void DrawKeyLine(const CPainter& painter, double keyRight, double top, const char* key,
                 const char* action) {
  const Box cap{keyRight - KeyWidth(key), top, keyRight, top + keyHeight};
  painter.FillOutlined(CShape::Rectangle(cap, 6).Moved({0, 3}), Darker(palette::pavement, 0.25),
                       palette::ink, 2);
  painter.FillOutlined(CShape::Rectangle(cap, 6), Lighter(palette::pavement, 0.6), palette::ink, 2);
  DrawTextCentred(painter, key, (cap.left + cap.right) / 2, top + 7, keyLabel);
  DrawText(painter, action, {keyRight + keyGap, top + 5}, actionText);
}

void DrawHowToPlay(const CPainter& painter) {
  DrawTextCentred(painter, "FROGS HOP OUT OF TOWN. GET THEM PAST THE TRAFFIC!", middle, 434,
                  remark);
  constexpr std::pair<const char*, const char*> keys[] = {
      {"ENTER", "START A GAME"},
      {"CLICK", "PUT OR TAKE A ROAD BLOCK ON A STRAIGHT ROAD"},
      {"HOLD A", "LOOK AROUND"},
      {"ESC", "QUIT"},
  };
  double widestKey = 0, widestAction = 0;
  for (const auto& [key, action] : keys) {
    widestKey = std::max(widestKey, KeyWidth(key));
    widestAction = std::max(widestAction, TextWidth(action, actionText));
  }
  const double keyRight = middle - (widestKey + keyGap + widestAction) / 2 + widestKey;
  double top = 466;
  for (const auto& [key, action] : keys) {
    DrawKeyLine(painter, keyRight, top, key, action);
    top += 30;
  }
  DrawTextCentred(painter, "MOVE THE MOUSE TO AN EDGE OF THE WINDOW TO SCROLL", middle, 690,
                  remark);
}

}  // namespace

void DrawTitle(const CPainter& painter) {
  painter.Fill(CShape::Rectangle({0, 0, titleWidth, titleHeight}), palette::paper);
  DrawName(painter);
  DrawScene(painter);
  DrawHowToPlay(painter);
}

}  // namespace assets
