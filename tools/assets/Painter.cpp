#include "assets/Painter.h"

namespace assets {

CPainter::CPainter(CCanvas& canvas, const Placement& placement)
    : canvas_(canvas), placement_(placement) {}

CPainter CPainter::Within(const Placement& inner) const {
  CPainter within(canvas_, placement_.Then(inner));
  within.clip_ = clip_;
  return within;
}

CPainter CPainter::Clipped(const CShape& clip) const {
  CPainter clipped(*this);
  clipped.clip_ = OnCanvas(clip);
  return clipped;
}

CShape CPainter::OnCanvas(const CShape& shape) const {
  CShape placed = shape.Placed(placement_);
  return clip_ ? (placed & *clip_) : placed;
}

void CPainter::Fill(const CShape& shape, Colour colour, double opacity) const {
  canvas_.Fill(OnCanvas(shape), colour, opacity);
}

void CPainter::FillSoft(const CShape& shape, Colour colour, double opacity, double softness) const {
  canvas_.Fill(OnCanvas(shape), colour, opacity, std::max(1.0, softness * placement_.scale));
}

void CPainter::FillOutlined(const CShape& shape, Colour fill, Colour outline,
                            double outlineWidth) const {
  Fill(shape.Grown(outlineWidth), outline);
  Fill(shape, fill);
}

void CPainter::Shade(const CShape& shape) const { canvas_.Shade(OnCanvas(shape)); }

}  // namespace assets
