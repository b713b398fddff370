#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "GameScenario.h"

namespace {

using BlockList = std::vector<std::array<int, 3>>;

// The blocks as (column, row, orientation), in the game's order.
BlockList Blocks(const CGame& game) {
  BlockList blocks;
  for (int i = 0; i < game.RoadBlocks().Count(); ++i) {
    const RoadBlock& block = game.RoadBlocks().At(i);
    blocks.push_back({block.column, block.row, block.orientation});
  }
  return blocks;
}

}  // namespace

TEST(PlayerInput, CursorMapsTheClampedMouseOntoCellsAsFarAsColumnZero) {
  CGameScenario scenario({0, 31, {"#", "#", "#"}});
  CGame& game = scenario.Game();
  game.SetMousePosition(-5, 900);
  EXPECT_EQ(0, game.MouseX());
  EXPECT_EQ(767, game.MouseY());
  // The corners scroll the view by 5 before the cursor is found, so the tick
  // before moves the camera the other way to have it at the centre then.
  const struct {
    int x, y, column, row;
  } corners[] = {{0, 0, 19, 23}, {1024, 800, 45, 41}};  // the second clamped to (1023, 767)
  for (const auto& corner : corners) {
    scenario.SetMouse(1023 - corner.x, 767 - corner.y);
    scenario.Ticks();
    scenario.SetMouse(corner.x, corner.y);
    scenario.Ticks();
    ASSERT_EQ(0.0, game.CameraX());
    EXPECT_EQ(corner.column, game.CursorColumn());
    EXPECT_EQ(corner.row, game.CursorRow());
  }
  scenario.SetMouse(0, 384);
  scenario.Ticks(33);  // the cursor is at world x -265.5, just beyond the left edge
  EXPECT_EQ(0, game.CursorColumn());
  EXPECT_EQ(32, game.CursorRow());
  EXPECT_TRUE(game.CursorValid() && game.CursorOrientation() == 0);
  scenario.Ticks();  // world x -270.5: off the map
  EXPECT_FALSE(game.CursorValid());
  game.ToggleRoadBlock();
  EXPECT_EQ(0, game.RoadBlocks().Count());
}

TEST(PlayerInput, OnlyStraightCellsTakeABlockASecondClickRemovesItAndASixthReplacesTheOldest) {
  CGameScenario scenario(crossroads);
  const CGame& game = scenario.Game();
  // A junction, a dead end, a bend, open ground.
  for (const auto& [column, row] : {std::pair{30, 26}, {24, 26}, {35, 26}, {32, 30}}) {
    ASSERT_TRUE(scenario.ClickAt(column, row));
    EXPECT_FALSE(game.CursorValid());
  }
  for (const auto& [column, row] : {std::pair{27, 26}, {30, 27}, {28, 26}, {30, 27}}) {
    ASSERT_TRUE(scenario.ClickAt(column, row));
  }
  EXPECT_EQ((BlockList{{27, 26, 1}, {28, 26, 1}}), Blocks(game));
  for (int column : {25, 26, 29, 31}) ASSERT_TRUE(scenario.ClickAt(column, 26));
  EXPECT_EQ((BlockList{{28, 26, 1}, {25, 26, 1}, {26, 26, 1}, {29, 26, 1}, {31, 26, 1}}),
            Blocks(game));
  ASSERT_TRUE(scenario.ClickAt(30, 25));
  EXPECT_EQ((BlockList{{25, 26, 1}, {26, 26, 1}, {29, 26, 1}, {31, 26, 1}, {30, 25, 0}}),
            Blocks(game));
}
