// The game's lettering: a stroke font of round-ended lines on a grid four
// units wide and six high (the height of a capital), drawn at any size with
// an optional outline and drop shadow. Capitals, digits and a little
// punctuation; other characters draw as a space.
#pragma once

#include <string_view>

#include "assets/Painter.h"

namespace assets {

struct TextStyle {
  double capHeight = 12;  // height of a capital's centre line, in painter units
  double weight = 0.45;   // stroke radius in grid units (the grid is 6 units high)
  Colour fill{};
  double outlineWidth = 0;  // in painter units; 0 for none
  Colour outline{};
  Point shadowOffset{};  // in painter units; (0, 0) for no shadow
};

// The width, in painter units, of the ink of the text.
double TextWidth(std::string_view text, const TextStyle& style);

// Draws the text with the top-left corner of its ink (outline included) at `topLeft`.
void DrawText(const CPainter& painter, std::string_view text, Point topLeft,
              const TextStyle& style);
// Draws the text centred on the horizontal position `centreX`.
void DrawTextCentred(const CPainter& painter, std::string_view text, double centreX, double top,
                     const TextStyle& style);

// The shape of one glyph in grid units, its skeleton at the origin.
CShape GlyphShape(char glyph, double weight);
// The width of one glyph's skeleton in grid units.
double GlyphWidth(char glyph);

}  // namespace assets
