#include "assets/Canvas.h"

#include <cmath>

namespace assets {

namespace {

// The game draws a shadow texel as grey 127 at alpha 127 over what is below.
constexpr double shadowAlpha = 127.0 / 255.0;
constexpr double shadowGrey = 127.0;

std::uint8_t ToByte(double value) {
  return static_cast<std::uint8_t>(std::clamp(value, 0.0, 255.0) + 0.5);
}

// An opaque colour must never be read back as one of the key colours.
Rgb Opaque(Colour c) {
  Rgb rgb{ToByte(c.r), ToByte(c.g), ToByte(c.b)};
  if (rgb == keyTransparent) rgb.b = 254;
  if (rgb == keyShadow) rgb.b = 254;
  return rgb;
}

}  // namespace

CCanvas::PixelArea CCanvas::Covering(const Box& box) const {
  return {std::max(0, static_cast<int>(std::floor(box.left))),
          std::max(0, static_cast<int>(std::floor(box.top))),
          std::min(width_, static_cast<int>(std::ceil(box.right))),
          std::min(height_, static_cast<int>(std::ceil(box.bottom)))};
}

CCanvas::CCanvas(int width, int height)
    : width_(width),
      height_(height),
      cells_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {}

template <typename Paint>
void CCanvas::ForEachCovered(const CShape& shape, double softness, Paint paint) {
  const PixelArea area = Covering(shape.Bounds().Grown(softness));
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      double distance = shape.DistanceAt({x + 0.5, y + 0.5});
      double coverage = std::clamp(0.5 - distance / softness, 0.0, 1.0);
      if (coverage > 0) paint(cells_[static_cast<std::size_t>(y) * width_ + x], coverage);
    }
  }
}

void CCanvas::Fill(const CShape& shape, Colour colour, double opacity, double softness) {
  ForEachCovered(shape, softness, [&](Cell& cell, double coverage) {
    double t = coverage * opacity;
    cell.premultiplied = Mix(cell.premultiplied, colour, t);
    cell.alpha += (1 - cell.alpha) * t;
  });
}

void CCanvas::Darken(Cell& cell, double amount) {
  double grey = shadowGrey * cell.alpha;
  Colour shaded = Mix(cell.premultiplied, Colour{grey, grey, grey}, shadowAlpha);
  cell.premultiplied = Mix(cell.premultiplied, shaded, amount);
}

void CCanvas::Shade(const CShape& shape) {
  ForEachCovered(shape, 1, [&](Cell& cell, double coverage) {
    Darken(cell, coverage);
    cell.shadow = std::max(cell.shadow, coverage);
  });
}

void CCanvas::Stamp(const CImage& picture, Point centre, double width, double height,
                    double angle) {
  const Placement turn{centre, 1, angle};
  const PixelArea area = Covering(turn.Apply(Around({0, 0}, width / 2, height / 2)));
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      Point local = turn.Invert({x + 0.5, y + 0.5});
      int u = static_cast<int>(std::floor((local.x / width + 0.5) * picture.Width()));
      int v = static_cast<int>(std::floor((local.y / height + 0.5) * picture.Height()));
      if (!picture.Contains(u, v)) continue;
      Rgb texel = picture.At(u, v);
      Cell& cell = cells_[static_cast<std::size_t>(y) * width_ + x];
      if (texel == keyShadow) {
        Darken(cell, 1);
      } else if (!(texel == keyTransparent)) {
        cell = {{double(texel.r), double(texel.g), double(texel.b)}, 1, 0};
      }
    }
  }
}

CImage CCanvas::ToImage() const {
  CImage image(width_, height_);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const Cell& cell = cells_[static_cast<std::size_t>(y) * width_ + x];
      if (cell.alpha >= 0.5) {
        const Colour& p = cell.premultiplied;
        image.Set(x, y, Opaque({p.r / cell.alpha, p.g / cell.alpha, p.b / cell.alpha}));
      } else if (cell.shadow >= 0.5) {
        image.Set(x, y, keyShadow);
      }
    }
  }
  return image;
}

TranslucentImage CCanvas::ToTranslucentImage() const {
  TranslucentImage image{width_, height_, {}};
  image.pixels.reserve(cells_.size());
  for (const Cell& cell : cells_) {
    // The shadow shows only where the paint lets the ground through.
    const double shade = (1 - cell.alpha) * cell.shadow * shadowAlpha;
    const double alpha = cell.alpha + shade;
    const double grey = shade * shadowGrey;
    const Colour& p = cell.premultiplied;
    if (alpha <= 0) {
      image.pixels.push_back({});
    } else {
      image.pixels.push_back({ToByte((p.r + grey) / alpha), ToByte((p.g + grey) / alpha),
                              ToByte((p.b + grey) / alpha), ToByte(alpha * 255)});
    }
  }
  return image;
}

}  // namespace assets
