// How two pictures of the same frame differ. Rasterizers may legitimately
// disagree by a pixel along a triangle's edge, and where an edge or a texel
// boundary falls exactly on a pixel centre (as on every sprite, which is drawn
// without a half-pixel offset) the tie may be decided either way. A colour that
// neither picture has anywhere near (a wrong texel, a depth tie decided the
// other way, a blend off by more than rounding) is a fault of one of the two.
#pragma once

#include "assets/Image.h"

struct FrameDifference {
  int pixels = 0;
  // Pixels with a colour channel off by more than the tolerance.
  int differing = 0;
  // Of those, the ones where the reference shows the colour our picture has
  // one pixel up, left or up-left of them: a tie decided the other way.
  int ties = 0;
  // Of those, the ones that no shift explains: the reference has nothing like
  // our colour within two pixels, nor we anything like the reference's. Where a
  // sprite tied one way lies over a texture tied the other, a few pixels may
  // blend into such colours; a wrong colour over an area gives hundreds.
  int unexplained = 0;

  double DifferingShare() const { return Share(differing); }
  double BeyondTiesShare() const { return Share(differing - ties); }
  double UnexplainedShare() const { return Share(unexplained); }

 private:
  double Share(int count) const { return pixels == 0 ? 0 : double(count) / pixels; }
};

class CFrameComparison {
 public:
  // Channels may differ by this much (of 255) before a pixel counts as different.
  static constexpr int channelTolerance = 3;

  // Both pictures must have the same size; `other` is compared with `reference`.
  CFrameComparison(const assets::CImage& reference, const assets::CImage& other);

  const FrameDifference& Difference() const { return difference_; }
  // The reference, faded, with the differing pixels marked: ties in red,
  // unexplained ones in blue, and the others (edges) in orange.
  const assets::CImage& Picture() const { return picture_; }

 private:
  FrameDifference difference_;
  assets::CImage picture_;
};
