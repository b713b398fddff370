#include "platform/d3d9/RenderTarget.h"

#include <algorithm>

namespace platform::d3d9 {

RenderTarget::RenderTarget(int width, int height)
    : width_(width),
      height_(height),
      colours_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), clearColour_),
      depths_(colours_.size(), clearDepth_),
      rows_(static_cast<std::size_t>(height)) {}

void RenderTarget::ClearColour(std::uint32_t colour) {
  MarkPending(colourPending);
  clearColour_ = colour | 0xFF000000u;
}

void RenderTarget::ClearDepth(double depth) {
  MarkPending(depthPending);
  clearDepth_ = DepthValue(depth);
}

void RenderTarget::MarkPending(std::uint8_t what) {
  for (int y = 0; y < height_; ++y) {
    RowState& row = rows_[static_cast<std::size_t>(y)];
    // A row half drawn over an earlier clear gets that clear first.
    if (row.pending != 0 && row.drawnFirst <= row.drawnLast) SettleRow(y);
    row.pending |= what;
  }
}

void RenderTarget::FillRun(int y, int first, int last, std::uint32_t colour, std::uint16_t depth) {
  if (first > last) return;
  const auto start = static_cast<std::ptrdiff_t>(RowStart(y)) + first;
  std::fill_n(colours_.begin() + start, last - first + 1, colour);
  std::fill_n(depths_.begin() + start, last - first + 1, depth);
}

void RenderTarget::SettleRow(int y) {
  RowState& row = rows_[static_cast<std::size_t>(y)];
  const auto start = static_cast<std::ptrdiff_t>(RowStart(y));
  const bool drawn = row.drawnFirst <= row.drawnLast;
  const int pieces[2][2] = {{0, drawn ? row.drawnFirst - 1 : width_ - 1},
                            {drawn ? row.drawnLast + 1 : width_, width_ - 1}};
  for (const auto& [first, last] : pieces) {
    if (first > last) continue;
    if ((row.pending & colourPending) != 0) {
      std::fill_n(colours_.begin() + start + first, last - first + 1, clearColour_);
    }
    if ((row.pending & depthPending) != 0) {
      std::fill_n(depths_.begin() + start + first, last - first + 1, clearDepth_);
    }
  }
  row = RowState{};
}

bool RenderTarget::FillClearedRun(int y, int first, int last, std::uint32_t colour,
                                  std::uint16_t depth, DepthMode depthMode) {
  RowState& row = rows_[static_cast<std::size_t>(y)];
  if (row.pending != (colourPending | depthPending)) return false;
  const bool untouched = row.drawnFirst > row.drawnLast;
  if (!untouched && first != row.drawnLast + 1 && last != row.drawnFirst - 1) return false;
  // Against a cleared depth the test passes or fails for the whole run.
  const bool passes = depthMode == DepthMode::Off || depth <= clearDepth_;
  const bool writesDepth = passes && depthMode == DepthMode::TestWrite;
  FillRun(y, first, last, passes ? colour | 0xFF000000u : clearColour_,
          writesDepth ? depth : clearDepth_);
  row.drawnFirst = untouched ? first : std::min(row.drawnFirst, first);
  row.drawnLast = untouched ? last : std::max(row.drawnLast, last);
  if (row.drawnFirst == 0 && row.drawnLast == width_ - 1) row = RowState{};
  return true;
}

const std::uint32_t* RenderTarget::Colours() {
  for (int y = 0; y < height_; ++y) Settle(y);
  return colours_.data();
}

std::uint16_t RenderTarget::DepthValue(double depth) {
  // Also maps NaN to 0 instead of converting it.
  const double clamped = depth > 0 ? std::min(depth, 1.0) : 0.0;
  return static_cast<std::uint16_t>(clamped * 65535.0 + 0.5);
}

}  // namespace platform::d3d9
