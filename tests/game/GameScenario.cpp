#include "GameScenario.h"

#include <cmath>

namespace {

// At rest a cell is about 40.75 pixels wide and high on the screen, and the
// centre cell (32, 32) lies under the middle of the window.
int PixelOver(int index, int centrePixel) {
  return centrePixel + static_cast<int>(std::lround((index - 32) * 40.75));
}

std::unique_ptr<CRoadMap> MapOf(const Streets& streets) {
  auto map = std::make_unique<CRoadMap>(CGame::mapSize, CGame::mapSize);
  auto isRoad = [&](std::size_t x, std::size_t y) {
    return y < streets.rows.size() && x < streets.rows[y].size() && streets.rows[y][x] == '#';
  };
  for (std::size_t y = 0; y < streets.rows.size(); ++y) {
    for (std::size_t x = 0; x < streets.rows[y].size(); ++x) {
      if (!isRoad(x, y)) continue;
      // Linking east and south links the neighbours' west and north too.
      map->SetLinks(streets.column + int(x), streets.row + int(y), CRoadMap::keep,
                    isRoad(x + 1, y) ? CRoadMap::set : CRoadMap::keep, CRoadMap::keep,
                    isRoad(x, y + 1) ? CRoadMap::set : CRoadMap::keep);
    }
  }
  return map;
}

}  // namespace

CGameScenario::CGameScenario(const Streets& streets, const std::vector<ParkedCar>& cars) {
  Town town{MapOf(streets), {}};
  for (const ParkedCar& car : cars) {
    town.cars.Append(CCar(CRoadMap::CentreOf(car.column), CRoadMap::CentreOf(car.row),
                          HeadingOf(car.heading), 0, car.ticksPerCell));
  }
  game_ = std::make_unique<CGame>(&host_, std::move(town));
}

void CGameScenario::Ticks(int count) {
  for (int i = 0; i < count; ++i) {
    host_.ClearPlayedSounds();
    game_->SetMousePosition(mouseX_, mouseY_);
    game_->Update();
  }
}

testing::AssertionResult CGameScenario::ClickAt(int column, int row) {
  SetMouse(PixelOver(column, 512), PixelOver(row, 384));
  Ticks();
  if (game_->CursorColumn() != column || game_->CursorRow() != row) {
    return testing::AssertionFailure()
           << "the cursor is on (" << game_->CursorColumn() << ", " << game_->CursorRow() << ")";
  }
  game_->ToggleRoadBlock();
  return testing::AssertionSuccess();
}
