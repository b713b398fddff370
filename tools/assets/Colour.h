// Colours as the drawing code mixes them: red, green and blue from 0 to 255.
#pragma once

namespace assets {

struct Colour {
  double r = 0;
  double g = 0;
  double b = 0;
};

inline Colour Mix(Colour a, Colour b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
inline Colour Darker(Colour c, double amount) { return Mix(c, Colour{0, 0, 0}, amount); }
inline Colour Lighter(Colour c, double amount) { return Mix(c, Colour{255, 255, 255}, amount); }

}  // namespace assets
