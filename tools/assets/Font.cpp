#include "assets/Font.h"

#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace assets {

namespace {

using Stroke = std::vector<Point>;

struct Glyph {
  std::vector<Stroke> strokes;
  double width = 0;
};

// Each glyph: its strokes separated by '|', each stroke a list of "x y" points
// separated by ','. A one-point stroke is a dot.
constexpr std::pair<char, const char*> glyphSource[] = {
    {'A', "0 6,0 1,1 0,3 0,4 1,4 6|0 3.4,4 3.4"},
    {'B', "0 3,3 3,4 4,4 5,3 6,0 6,0 0,3 0,4 1,4 2,3 3"},
    {'C', "4 1,3 0,1 0,0 1,0 5,1 6,3 6,4 5"},
    {'D', "0 0,2.6 0,4 1.4,4 4.6,2.6 6,0 6,0 0"},
    {'E', "4 0,0 0,0 6,4 6|0 3,3 3"},
    {'F', "4 0,0 0,0 6|0 3,3 3"},
    {'G', "4 1,3 0,1 0,0 1,0 5,1 6,3 6,4 5,4 3.4,2.2 3.4"},
    {'H', "0 0,0 6|4 0,4 6|0 3,4 3"},
    {'I', "0.5 0,2.5 0|1.5 0,1.5 6|0.5 6,2.5 6"},
    {'J', "4 0,4 5,3 6,1 6,0 5"},
    {'K', "0 0,0 6|4 0,0 4|1.4 2.6,4 6"},
    {'L', "0 0,0 6,4 6"},
    {'M', "0 6,0 0,2 3,4 0,4 6"},
    {'N', "0 6,0 0,4 6,4 0"},
    {'O', "1 0,3 0,4 1,4 5,3 6,1 6,0 5,0 1,1 0"},
    {'P', "0 6,0 0,3 0,4 1,4 2.4,3 3.4,0 3.4"},
    {'Q', "1 0,3 0,4 1,4 5,3 6,1 6,0 5,0 1,1 0|2.6 4.6,4 6"},
    {'R', "0 6,0 0,3 0,4 1,4 2.4,3 3.4,0 3.4|2 3.4,4 6"},
    {'S', "4 1,3 0,1 0,0 1,0 2,1 3,3 3,4 4,4 5,3 6,1 6,0 5"},
    {'T', "0 0,4 0|2 0,2 6"},
    {'U', "0 0,0 5,1 6,3 6,4 5,4 0"},
    {'V', "0 0,0 2.5,2 6,4 2.5,4 0"},
    {'W', "0 0,0 6,2 3.6,4 6,4 0"},
    {'X', "0 0,4 6|4 0,0 6"},
    {'Y', "0 0,2 3|4 0,2 3,2 6"},
    {'Z', "0 0,4 0,0 6,4 6"},
    {'0', "1 0,3 0,4 1,4 5,3 6,1 6,0 5,0 1,1 0"},
    {'1', "0 1.5,1.5 0,1.5 6|0 6,3 6"},
    {'2', "0 1,1 0,3 0,4 1,4 2.2,0 6,4 6"},
    {'3', "0 1,1 0,3 0,4 1,4 2,3 3,1.6 3|3 3,4 4,4 5,3 6,1 6,0 5"},
    {'4', "3 6,3 0,0 4,4 4"},
    {'5', "4 0,0 0,0 2.8,3 2.8,4 3.8,4 5,3 6,1 6,0 5"},
    {'6', "3.4 0,1 0,0 1,0 5,1 6,3 6,4 5,4 3.8,3 2.8,0 2.8"},
    {'7', "0 0,4 0,4 1,1.6 6"},
    {'8', "1 3,0 2,0 1,1 0,3 0,4 1,4 2,3 3,1 3,0 4,0 5,1 6,3 6,4 5,4 4,3 3"},
    {'9', "0.6 6,3 6,4 5,4 1,3 0,1 0,0 1,0 2.2,1 3.2,4 3.2"},
    {'.', "0 6"},
    {',', "0.6 5.6,0 7"},
    {':', "0 1.8|0 5.6"},
    {'!', "0 0,0 4|0 6"},
    {'?', "0 1,1 0,3 0,4 1,4 2,2 3.4,2 4|2 6"},
    {'-', "0 3.2,3 3.2"},
    {'+', "1.5 1.6,1.5 4.6|0 3.1,3 3.1"},
    {'\'', "0 0,0 1.6"},
    {'/', "0 6,3 0"},
    {'(', "1.4 0,0 1.6,0 4.4,1.4 6"},
    {')', "0 0,1.4 1.6,1.4 4.4,0 6"},
};

constexpr double spaceWidth = 2.6;
constexpr double letterGap = 1.4;  // between two skeletons, before the stroke width

Glyph ParseGlyph(const std::string& source) {
  Glyph glyph;
  std::stringstream strokes(source);
  std::string stroke;
  while (std::getline(strokes, stroke, '|')) {
    std::stringstream points(stroke);
    std::string point;
    Stroke parsed;
    while (std::getline(points, point, ',')) {
      std::stringstream coordinates(point);
      Point p;
      coordinates >> p.x >> p.y;
      parsed.push_back(p);
      glyph.width = std::max(glyph.width, p.x);
    }
    glyph.strokes.push_back(parsed);
  }
  return glyph;
}

const std::map<char, Glyph>& Glyphs() {
  static const std::map<char, Glyph> glyphs = [] {
    std::map<char, Glyph> parsed;
    for (const auto& [character, source] : glyphSource) parsed[character] = ParseGlyph(source);
    return parsed;
  }();
  return glyphs;
}

const Glyph* FindGlyph(char character) {
  if (character >= 'a' && character <= 'z') character = static_cast<char>(character - 'a' + 'A');
  auto found = Glyphs().find(character);
  return found == Glyphs().end() ? nullptr : &found->second;
}

double Advance(char character, double weight) {
  return GlyphWidth(character) + letterGap + 2 * weight;
}

}  // namespace

double GlyphWidth(char glyph) {
  const Glyph* found = FindGlyph(glyph);
  return found ? found->width : spaceWidth;
}

CShape GlyphShape(char glyph, double weight) {
  std::vector<CShape> segments;
  if (const Glyph* found = FindGlyph(glyph)) {
    for (const Stroke& stroke : found->strokes) {
      if (stroke.size() == 1) segments.push_back(CShape::Capsule(stroke[0], stroke[0], weight));
      for (std::size_t i = 0; i + 1 < stroke.size(); ++i) {
        segments.push_back(CShape::Capsule(stroke[i], stroke[i + 1], weight));
      }
    }
  }
  return CShape::Union(std::move(segments));
}

double TextWidth(std::string_view text, const TextStyle& style) {
  double units = 0;
  for (char c : text) units += Advance(c, style.weight);
  if (!text.empty()) units -= letterGap;
  return units * style.capHeight / 6 + 2 * style.outlineWidth;
}

void DrawText(const CPainter& painter, std::string_view text, Point topLeft,
              const TextStyle& style) {
  const double unit = style.capHeight / 6;
  const double inset = style.outlineWidth + style.weight * unit;
  CPainter grid = painter.Within({topLeft + Point{inset, inset}, unit, 0});
  std::vector<CShape> glyphs;
  double x = 0;
  for (char c : text) {
    if (FindGlyph(c)) glyphs.push_back(GlyphShape(c, style.weight).Moved({x, 0}));
    x += Advance(c, style.weight);
  }
  const double outline = style.outlineWidth / unit;
  const Point shadow = style.shadowOffset * (1 / unit);
  if (shadow.x != 0 || shadow.y != 0) {
    for (const CShape& glyph : glyphs) grid.Shade(glyph.Grown(outline).Moved(shadow));
  }
  if (outline > 0) {
    for (const CShape& glyph : glyphs) grid.Fill(glyph.Grown(outline), style.outline);
  }
  for (const CShape& glyph : glyphs) grid.Fill(glyph, style.fill);
}

void DrawTextCentred(const CPainter& painter, std::string_view text, double centreX, double top,
                     const TextStyle& style) {
  DrawText(painter, text, {centreX - TextWidth(text, style) / 2, top}, style);
}

}  // namespace assets
