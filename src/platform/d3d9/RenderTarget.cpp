#include "platform/d3d9/RenderTarget.h"

#include <algorithm>

namespace platform::d3d9 {

RenderTarget::RenderTarget(int width, int height)
    : width_(width),
      height_(height),
      colours_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), clearColour_),
      depths_(colours_.size(), clearDepth_),
      rows_(static_cast<std::size_t>(height)),
      lowestDepths_(rows_.size(), clearDepth_),
      heldDepths_(rows_.size()) {}

void RenderTarget::ClearColour(std::uint32_t colour) {
  MarkPending(colourPending);
  clearColour_ = colour | 0xFF000000u;
}

void RenderTarget::ClearDepth(double depth) {
  MarkPending(depthPending);
  clearDepth_ = DepthValue(depth);
  std::fill(lowestDepths_.begin(), lowestDepths_.end(), clearDepth_);
}

void RenderTarget::MarkPending(std::uint8_t what) {
  for (int y = 0; y < height_; ++y) {
    RowState& row = rows_[static_cast<std::size_t>(y)];
    // Runs deferred over the earlier clear are written before the new one.
    if (row.runCount != 0) SettleRow(y, noSpan);
    row.pending |= what;
  }
}

void RenderTarget::FillRun(std::size_t rowStart, const Run& run, std::uint8_t what,
                           Span overwritten) {
  const int count = run.last - run.first + 1;
  if (count <= 0) return;
  if ((what & colourPending) != 0) {
    FillColours(rowStart, run.first, std::min(run.last, overwritten.first - 1), run.colour);
    FillColours(rowStart, std::max(run.first, overwritten.last + 1), run.last, run.colour);
  }
  if ((what & depthPending) != 0) {
    std::fill_n(depths_.begin() + static_cast<std::ptrdiff_t>(rowStart) + run.first, count,
                run.depth);
  }
}

void RenderTarget::FillColours(std::size_t rowStart, int first, int last, std::uint32_t colour) {
  if (first > last) return;
  std::fill_n(colours_.begin() + static_cast<std::ptrdiff_t>(rowStart) + first, last - first + 1,
              colour);
}

// Writes the deferred runs and the clear around them, left to right; a depth
// that is the same across the row is kept as one value instead.
void RenderTarget::SettleRow(int y, Span overwritten) {
  RowState& row = rows_[static_cast<std::size_t>(y)];
  Run* runs = row.runs;
  std::sort(runs, runs + row.runCount,
            [](const Run& a, const Run& b) { return a.first < b.first; });
  std::uint8_t what = row.pending;
  if ((what & depthPending) != 0) {
    HeldDepths& held = heldDepths_[static_cast<std::size_t>(y)];
    held = HeldDepths::Whole(OneDepthAfterSettling(row));
    if (held.depth != notOneDepth) what &= ~depthPending;
  }
  // Runs are deferred only over a pending colour and depth clear.
  const std::size_t rowStart = RowStart(y);
  int next = 0;
  for (int i = 0; i < row.runCount; ++i) {
    FillRun(rowStart, Run{next, runs[i].first - 1, clearColour_, clearDepth_}, what, overwritten);
    FillRun(rowStart, runs[i], what, overwritten);
    next = runs[i].last + 1;
  }
  FillRun(rowStart, Run{next, width_ - 1, clearColour_, clearDepth_}, what, overwritten);
  row = RowState{};
}

std::int32_t RenderTarget::OneDepthAfterSettling(const RowState& row) const {
  std::int32_t depth = notOneDepth;
  auto leaves = [&](int first, int last, std::uint16_t runDepth) {
    if (first > last) return true;
    if (depth == notOneDepth) depth = runDepth;
    return depth == runDepth;
  };
  int next = 0;
  for (int i = 0; i < row.runCount; ++i) {
    const Run& run = row.runs[i];
    if (!leaves(next, run.first - 1, clearDepth_) || !leaves(run.first, run.last, run.depth)) {
      return notOneDepth;
    }
    next = run.last + 1;
  }
  return leaves(next, width_ - 1, clearDepth_) ? depth : notOneDepth;
}

void RenderTarget::SetDepths(int y, int first, int count, std::uint16_t depth) {
  Settle(y);
  NoteDepth(y, depth);
  if (Hold(heldDepths_[static_cast<std::size_t>(y)], {first, first + count - 1, depth})) return;
  WriteOutDepth(y);
  std::fill_n(depths_.begin() + static_cast<std::ptrdiff_t>(RowStart(y)) + first, count, depth);
}

bool RenderTarget::Hold(HeldDepths& held, const DepthRun& run) const {
  if (held.depth == notOneDepth) return false;
  if (run.first == 0 && run.last == width_ - 1) {
    held = HeldDepths::Whole(run.depth);
    return true;
  }
  if (held.runCount == 0 && run.depth == held.depth) return true;
  if (held.runCount != 0) {
    // The two triangles of a quad leave touching runs at one depth: one run.
    DepthRun& latest = held.runs[held.runCount - 1];
    if (latest.depth == run.depth && run.first <= latest.last + 1 && latest.first <= run.last + 1) {
      latest.first = std::min(latest.first, run.first);
      latest.last = std::max(latest.last, run.last);
      if (latest.first == 0 && latest.last == width_ - 1) held = HeldDepths::Whole(run.depth);
      return true;
    }
  }
  if (held.runCount == maxHeldRuns) return false;
  held.runs[held.runCount++] = run;
  return true;
}

void RenderTarget::WriteOutDepth(int y) {
  HeldDepths& held = heldDepths_[static_cast<std::size_t>(y)];
  if (held.depth == notOneDepth) return;
  const auto rowStart = depths_.begin() + static_cast<std::ptrdiff_t>(RowStart(y));
  std::fill_n(rowStart, width_, static_cast<std::uint16_t>(held.depth));
  for (int i = 0; i < held.runCount; ++i) {
    const DepthRun& run = held.runs[i];
    std::fill_n(rowStart + run.first, run.last - run.first + 1, run.depth);
  }
  held = HeldDepths{};
}

bool RenderTarget::FillClearedRun(int y, int first, int last, std::uint32_t colour,
                                  std::uint16_t depth, DepthMode depthMode) {
  RowState& row = rows_[static_cast<std::size_t>(y)];
  if (row.pending != (colourPending | depthPending) || row.runCount == maxDeferredRuns) {
    return false;
  }
  for (int i = 0; i < row.runCount; ++i) {
    if (first <= row.runs[i].last && row.runs[i].first <= last) return false;
  }
  // Against a cleared depth the test passes or fails for the whole run.
  const bool passes = depthMode == DepthMode::Off || depth <= clearDepth_;
  const bool writesDepth = passes && depthMode == DepthMode::TestWrite;
  row.runs[row.runCount++] = Run{first, last, passes ? colour | 0xFF000000u : clearColour_,
                                 writesDepth ? depth : clearDepth_};
  if (writesDepth) NoteDepth(y, depth);
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
