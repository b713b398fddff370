#include "assets/Review.h"

#include <algorithm>
#include <array>
#include <numbers>
#include <stdexcept>
#include <string>

#include "assets/CreatureArt.h"
#include "assets/Font.h"
#include "assets/Palette.h"
#include "assets/RoadArt.h"
#include "assets/RoadBlockArt.h"
#include "assets/VehicleArt.h"

namespace assets {

namespace {

constexpr int screenWidth = 1024;
constexpr int screenHeight = 768;
// The game shows a world unit as 1024 / (zoom + 1) pixels, zoom 200 at rest.
constexpr double restingZoom = 200;
constexpr double screenPixelsPerUnit = screenWidth / (restingZoom + 1);
constexpr Colour sheetBackground{150, 150, 150};
constexpr int sheetWidth = 1100;
constexpr int maximumSheetHeight = 3400;
constexpr int margin = 16;
constexpr int labelHeight = 16;

const Picture& Find(const std::vector<Picture>& pictures, const std::string& name) {
  auto found = std::find_if(pictures.begin(), pictures.end(),
                            [&](const Picture& p) { return p.name == name; });
  if (found == pictures.end()) throw std::runtime_error("no picture " + name);
  return *found;
}

// Places boxes left to right in rows, starting a new row when one is full.
class CShelf {
 public:
  explicit CShelf(int top) : x_(margin), y_(top) {}

  Point Place(double width, double height) {
    if (x_ + width > sheetWidth - margin && x_ > margin) NewRow();
    Point at{double(x_), double(y_)};
    x_ += static_cast<int>(width) + margin;
    rowHeight_ = std::max(rowHeight_, static_cast<int>(height) + labelHeight);
    return at;
  }
  int NewRow() {
    y_ += rowHeight_ + margin;
    x_ = margin;
    rowHeight_ = 0;
    return y_;
  }

 private:
  int x_;
  int y_;
  int rowHeight_ = 0;
};

struct Item {
  const CImage* image;
  std::string label;
  double width;  // the size the picture is shown at, in sheet pixels
  double height;
  std::vector<Colour> backdrops;  // the picture is shown once over each
};

const TextStyle labelStyle{.capHeight = 9, .weight = 0.5, .fill = palette::ink};
const TextStyle headingStyle{.capHeight = 14, .weight = 0.55, .fill = palette::ink};

void DrawItem(CCanvas& sheet, CShelf& shelf, const Item& item) {
  const CImage& image = *item.image;
  const double width = item.width, height = item.height;
  const double panelWidth = std::ceil(width) + 8;
  const double panelHeight = std::ceil(height) + 8;
  const double total = panelWidth * double(item.backdrops.size());
  Point at = shelf.Place(std::max(total, TextWidth(item.label, labelStyle)), panelHeight);
  for (std::size_t i = 0; i < item.backdrops.size(); ++i) {
    Point panel = at + Point{panelWidth * double(i), 0};
    sheet.Fill(CShape::Rectangle({panel.x, panel.y, panel.x + panelWidth, panel.y + panelHeight}),
               item.backdrops[i]);
    sheet.Stamp(image, panel + Point{4 + width / 2, 4 + height / 2}, width, height);
  }
  DrawText(CPainter(sheet, {}), item.label, at + Point{0, panelHeight + 3}, labelStyle);
}

int DrawSection(CCanvas& sheet, int top, const char* heading, const std::vector<Item>& items) {
  DrawText(CPainter(sheet, {}), heading, {double(margin), double(top)}, headingStyle);
  CShelf shelf(top + 26);
  for (const Item& item : items) DrawItem(sheet, shelf, item);
  return shelf.NewRow();
}

// A few streets around the middle of the game's 65 x 65 map, linked cell to
// cell as the game links them.
class CTown {
 public:
  static constexpr int size = 65;

  CTown() : cells_(size * size) {}
  const RoadLinks& At(int column, int row) const { return cells_[row * size + column]; }
  void LayRow(int row, int fromColumn, int toColumn) {
    for (int c = fromColumn; c < toColumn; ++c) {
      Cell(c, row).east = true;
      Cell(c + 1, row).west = true;
    }
  }
  void LayColumn(int column, int fromRow, int toRow) {
    for (int r = fromRow; r < toRow; ++r) {
      Cell(column, r).south = true;
      Cell(column, r + 1).north = true;
    }
  }

 private:
  RoadLinks& Cell(int column, int row) { return cells_[row * size + column]; }
  std::vector<RoadLinks> cells_;
};

CTown BuildTown() {
  CTown town;
  for (int row : {24, 32}) town.LayRow(row, 16, 48);
  town.LayRow(28, 32, 42);
  town.LayRow(30, 20, 26);
  town.LayRow(36, 26, 40);
  town.LayRow(38, 34, 44);
  town.LayRow(40, 16, 32);
  for (int column : {20, 32, 42}) town.LayColumn(column, 18, 46);
  town.LayColumn(26, 32, 40);
  town.LayColumn(36, 28, 38);
  town.LayColumn(24, 22, 30);
  town.LayColumn(44, 30, 40);
  return town;
}

// The texture the game shows for a road cell's links.
int RoadTextureFor(const RoadLinks& l) {
  if (l.north && l.east && l.south && l.west) return 10;
  if (l.north && l.east && l.south) return 6;
  if (l.north && l.east && l.west) return 7;
  if (l.north && l.south && l.west) return 8;
  if (l.east && l.south && l.west) return 9;
  if (l.north && l.east) return 2;
  if (l.north && l.west) return 3;
  if (l.east && l.south) return 4;
  if (l.south && l.west) return 5;
  return l.north || l.south ? 0 : 1;
}

Point CellCentre(int column, int row) { return {column * cellSize - 256, row * cellSize - 256}; }

// The camera at rest over the middle of the map.
Point ToScreen(Point world) {
  return Point{screenWidth / 2.0, screenHeight / 2.0} + world * screenPixelsPerUnit;
}
// How much larger something lifted toward the camera is drawn.
double Lift(double height) { return (restingZoom + 1) / (restingZoom + 1 - height); }

void DrawQuad(CCanvas& frame, const Picture& picture, Point world, double width, double height,
              double angle) {
  frame.Stamp(picture.image, ToScreen(world), width * screenPixelsPerUnit,
              height * screenPixelsPerUnit, angle);
}

void DrawSprite(CCanvas& frame, const Picture& sprite, Point topLeft) {
  const double width = sprite.image.Width(), height = sprite.image.Height();
  frame.Stamp(sprite.image, topLeft + Point{width / 2, height / 2}, width, height);
}

void DrawNumber(CCanvas& frame, const std::vector<Picture>& pictures, int value, Point at) {
  for (char digit : std::to_string(value)) {
    const Picture& sprite = Find(pictures, std::string("Digit") + digit);
    DrawSprite(frame, sprite, at);
    at.x += sprite.image.Width();
  }
}

void DrawOverlay(CCanvas& frame, const std::vector<Picture>& pictures, Point mouse) {
  DrawSprite(frame, Find(pictures, "FrogSaved"), {850, 20});
  DrawNumber(frame, pictures, 37, {900, 24});
  DrawSprite(frame, Find(pictures, "FrogSplatted"), {850, 70});
  DrawNumber(frame, pictures, 108, {900, 74});
  const Picture& cursor = Find(pictures, "Cursor");
  DrawSprite(frame, cursor, mouse - Point{cursor.image.Width() / 2.0, cursor.image.Height() / 2.0});
}

// The title screen as the game shows it once a best result is known.
CImage DrawTitleScreen(const std::vector<Picture>& pictures) {
  CCanvas screen(screenWidth, screenHeight);
  screen.Fill(CShape::Everywhere({0, 0, double(screenWidth), double(screenHeight)}),
              palette::paper);
  const CImage& title = Find(pictures, "Title").image;
  DrawSprite(screen, Find(pictures, "Title"),
             {(screenWidth - title.Width()) / 2.0, (screenHeight - title.Height()) / 2.0});
  DrawSprite(screen, Find(pictures, "FrogSaved"), {200, 600});
  DrawNumber(screen, pictures, 64, {250, 604});
  DrawSprite(screen, Find(pictures, "FrogSplatted"), {600, 600});
  DrawNumber(screen, pictures, 36, {650, 604});
  return screen.ToImage();
}

}  // namespace

CImage DrawContactSheet(const std::vector<Picture>& pictures) {
  std::vector<Item> sprites, textures, enlarged;
  for (const Picture& picture : pictures) {
    const CImage* image = &picture.image;
    const double width = image->Width(), height = image->Height();
    if (picture.IsTexture()) {
      textures.push_back({image,
                          picture.name,
                          picture.worldWidth * screenPixelsPerUnit,
                          picture.worldHeight * screenPixelsPerUnit,
                          {palette::ground, palette::asphalt}});
      enlarged.push_back({image, picture.name, 4 * width, 4 * height, {palette::ground}});
    } else if (picture.name != "Title") {
      sprites.push_back({image, picture.name, width, height, {palette::paper, palette::ground}});
    }
  }
  const CImage titleScreen = DrawTitleScreen(pictures);
  CCanvas sheet(sheetWidth, maximumSheetHeight);
  sheet.Fill(CShape::Everywhere({0, 0, double(sheetWidth), double(maximumSheetHeight)}),
             sheetBackground);
  int top = DrawSection(sheet, margin, "TITLE SCREEN",
                        {{&titleScreen,
                          "TITLE, WITH A BEST RESULT DRAWN OVER IT",
                          double(screenWidth),
                          double(screenHeight),
                          {palette::paper}}});
  top = DrawSection(sheet, top, "SPRITES", sprites);
  top = DrawSection(sheet, top, "TEXTURES AT PLAY SIZE", textures);
  top = DrawSection(sheet, top, "TEXTURES ENLARGED 4 TIMES", enlarged);
  const CImage full = sheet.ToImage();
  CImage cropped(sheetWidth, std::min(top, maximumSheetHeight));
  for (int y = 0; y < cropped.Height(); ++y) {
    for (int x = 0; x < sheetWidth; ++x) cropped.Set(x, y, full.At(x, y));
  }
  return cropped;
}

CImage DrawSceneMock(const std::vector<Picture>& pictures) {
  CCanvas frame(screenWidth, screenHeight);
  frame.Fill(CShape::Everywhere({0, 0, double(screenWidth), double(screenHeight)}),
             palette::ground);
  const CTown town = BuildTown();
  for (int row = 0; row < CTown::size; ++row) {
    for (int column = 0; column < CTown::size; ++column) {
      const RoadLinks& links = town.At(column, row);
      if (!(links.west || links.east || links.north || links.south)) continue;
      DrawQuad(frame, Find(pictures, "Road" + std::to_string(RoadTextureFor(links))),
               CellCentre(column, row), cellSize, cellSize, 0);
    }
  }
  const double quarter = std::numbers::pi / 2;
  for (const auto& [x, y, angle, z] : std::vector<std::array<double, 4>>{{2, -3, 0.4, 0},
                                                                         {-10, 4, 2.6, 6},
                                                                         {-3, 9, 1.2, 12},
                                                                         {6, 2, -0.9, 0},
                                                                         {12, -7, 5.5, 3}}) {
    DrawQuad(frame, Find(pictures, "Frog"), {x, y}, frogSize * Lift(z), frogSize * Lift(z), angle);
  }
  const std::array<double, 4> cars[] = {{-56, 0, 0, 0},         {24, 0, 2 * quarter, 1},
                                        {0, -30, quarter, 2},   {80, 20, 3 * quarter, 0},
                                        {-96, -21, quarter, 1}, {-20, 32, 0, 2}};
  for (const auto& [x, y, heading, kind] : cars) {
    DrawQuad(frame, Find(pictures, "Car" + std::to_string(int(kind))), {x, y}, carQuadSize,
             carQuadSize, heading);
  }
  const Picture& block = Find(pictures, "RoadBlock");
  DrawQuad(frame, block, CellCentre(32, 29), roadBlockWidth, roadBlockDepth, 0);
  DrawQuad(frame, block, CellCentre(38, 36), roadBlockWidth, roadBlockDepth, quarter);
  DrawQuad(frame, block, CellCentre(27, 32), roadBlockWidth, roadBlockDepth, quarter);
  DrawQuad(frame, block, CellCentre(34, 32), roadBlockWidth, roadBlockDepth, quarter);
  DrawOverlay(frame, pictures, {600, 386});
  return frame.ToImage();
}

}  // namespace assets
