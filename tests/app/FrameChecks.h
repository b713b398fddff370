// Checks of presented frames at the pixels that matter: the pictures of Data
// where the game puts them, the clear colour, the ground.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "game/RoadBlock.h"
#include "platform/testing/HeadlessFrames.h"
#include "render/Bitmap.h"
#include "tlib/String.h"

using platform_test::PresentedFrame;

namespace frame_checks {

constexpr std::uint32_t clearColour = 0xFFFFFE;
constexpr std::uint32_t groundColour = 0x54A543;
// At rest the camera looks down on the middle of the town from 200 units up:
// a ground point (x, y) is seen at the pixel (512 + x p, 384 + y p).
constexpr double pixelsPerUnit = 1024.0 / 201;

// A picture of Data\ as the game loads it, colour key applied.
std::unique_ptr<CBitmap> Picture(const tlib::TString& name);

// Every pixel of the rectangle is the colour.
testing::AssertionResult IsFilled(const PresentedFrame& frame, int left, int top, int width,
                                  int height, std::uint32_t colour);

// The picture's opaque pixels cover the frame from (left, top), as DrawSprite
// puts a sprite whose top-left corner lands there. Allows for a few pixels at
// the seams that the rasterizer may give to the neighbouring texel.
testing::AssertionResult ShowsPicture(const PresentedFrame& frame, const CBitmap& picture, int left,
                                      int top);
// A game frame shows the ground or a road in the top-left corner, where the
// title screen and the loading frames show the clear colour.
bool ShowsAGame(const PresentedFrame& frame);

// A count of frogs as the game and the title screen show it: the icon with
// its top-left corner at (x, y), the number's digits side by side from
// (x + 50, y + 4).
testing::AssertionResult ShowsCount(const PresentedFrame& frame, const tlib::TString& icon,
                                    int count, int x, int y);

// The frame, seen from the resting camera, shows the road block's picture
// standing on its cell, point-sampled: 4.6 by 1.5 units, across the road.
// Pixels next to its edges are not checked.
testing::AssertionResult ShowsRoadBlock(const PresentedFrame& frame, const RoadBlock& block);

}  // namespace frame_checks
