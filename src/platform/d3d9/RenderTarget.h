// The software device's back buffer (X8R8G8B8, stored as 0xFFRRGGBB) and its
// 16-bit depth buffer, both top row first with a pitch of one row.
//
// Clearing is deferred per row: a cleared row is filled when it is first drawn
// into, or before the frame is read. Solid runs drawn onto a cleared row (the
// ground's two triangles) are deferred with the clear: the row is written once,
// when something else is drawn into it, while that drawing has it in the cache.
//
// A row whose pixels all hold one depth keeps it as that one value, and runs
// drawn at other depths as a short list, until a pixel's depth is needed: the
// game draws the ground and the roads at one depth and the title screen in two
// runs, so most rows never have their depths written out at all.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/d3d9/PixelState.h"

namespace platform::d3d9 {

class RenderTarget {
 public:
  RenderTarget(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }

  void ClearColour(std::uint32_t colour);
  // depth 0 to 1, stored as a 16-bit fraction of 65535.
  void ClearDepth(double depth);

  // A row for drawing into, cleared first if a clear is pending.
  std::uint32_t* ColourRow(int y) {
    Settle(y);
    return colours_.data() + RowStart(y);
  }
  std::uint16_t* DepthRow(int y) {
    Settle(y);
    WriteOutDepth(y);
    return depths_.data() + RowStart(y);
  }
  // The same for a run that will overwrite pixels first to last, whatever they
  // hold: a pending clear fills only the rest of the row.
  std::uint32_t* ColourRowToOverwrite(int y, int first, int last) {
    if (rows_[static_cast<std::size_t>(y)].pending != 0) SettleRow(y, {first, last});
    return colours_.data() + RowStart(y);
  }
  // Sets `count` depths of row y from pixel `first` on to `depth`.
  void SetDepths(int y, int first, int count, std::uint16_t depth);

  // Draws pixels first to last of a row in one colour at one depth without
  // blending, if the row still waits for its colour and depth clear and the
  // run overlaps none of the few runs deferred on it so far: the result is
  // that of clearing and then drawing. False otherwise.
  bool FillClearedRun(int y, int first, int last, std::uint32_t colour, std::uint16_t depth,
                      DepthMode depthMode);

  // No depth in the row is below this value (the row's depths as they stand,
  // deferred clears included): a run at one depth no greater passes the
  // less-or-equal test at every pixel, so the test can be skipped.
  std::uint16_t LowestDepth(int y) const { return lowestDepths_[static_cast<std::size_t>(y)]; }
  // Notes depths written to the row, the lowest of them `depth`.
  void NoteDepth(int y, std::uint16_t depth) {
    std::uint16_t& lowest = lowestDepths_[static_cast<std::size_t>(y)];
    if (depth < lowest) lowest = depth;
  }

  // The whole back buffer as it stands, every pending clear done.
  const std::uint32_t* Colours();

  // The 16-bit depth value of a depth from 0 (near) to 1 (far), rounded.
  static std::uint16_t DepthValue(double depth);

 private:
  enum : std::uint8_t { colourPending = 1, depthPending = 2 };

  std::size_t RowStart(int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
  }
  // A solid run drawn over a pending clear, not written yet.
  struct Run {
    int first, last;
    std::uint32_t colour;
    std::uint16_t depth;
  };
  static constexpr int maxDeferredRuns = 4;

  // A row's clears still to do and the runs deferred with them.
  struct RowState {
    std::uint8_t pending = 0;
    std::uint8_t runCount = 0;
    Run runs[maxDeferredRuns];
  };

  // Pixels first to last of a row; empty when first > last.
  struct Span {
    int first, last;
  };
  static constexpr Span noSpan{1, 0};

  void Settle(int y) {
    if (rows_[static_cast<std::size_t>(y)].pending != 0) SettleRow(y, noSpan);
  }
  // Leaves the colours of `overwritten` as they are.
  void SettleRow(int y, Span overwritten);
  // The depth that a row's pending clear and deferred runs (sorted) leave in
  // every pixel, or notOneDepth.
  std::int32_t OneDepthAfterSettling(const RowState& row) const;
  // A run of depths drawn over a row's held depth.
  struct DepthRun {
    int first, last;
    std::uint16_t depth;
  };
  static constexpr int maxHeldRuns = 4;
  static constexpr std::int32_t notOneDepth = -1;
  // A row's depths while depths_ does not hold them: one depth for the whole
  // row (notOneDepth where depths_ holds the row), then a few runs drawn over
  // it, each over those before.
  struct HeldDepths {
    std::int32_t depth = notOneDepth;
    std::uint8_t runCount = 0;
    DepthRun runs[maxHeldRuns];

    static HeldDepths Whole(std::int32_t depth) {
      HeldDepths held;
      held.depth = depth;
      return held;
    }
  };
  // Takes the run into the row's held depths; false where it does not fit.
  bool Hold(HeldDepths& held, const DepthRun& run) const;
  void WriteOutDepth(int y);
  void MarkPending(std::uint8_t what);
  void FillRun(std::size_t rowStart, const Run& run, std::uint8_t what, Span overwritten);
  void FillColours(std::size_t rowStart, int first, int last, std::uint32_t colour);

  int width_;
  int height_;
  std::vector<std::uint32_t> colours_;
  std::vector<std::uint16_t> depths_;
  std::vector<RowState> rows_;
  std::vector<std::uint16_t> lowestDepths_;
  std::vector<HeldDepths> heldDepths_;
  std::uint32_t clearColour_ = 0xFF000000u;
  std::uint16_t clearDepth_ = 0xFFFF;
};

}  // namespace platform::d3d9
