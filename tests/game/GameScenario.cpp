#include "GameScenario.h"

#include <cmath>
#include <optional>
#include <stdexcept>

namespace {

struct RoadSlot {
  int minLength;
  int maxLength;
};

// The length ranges of the 56 random roads, in the order they are laid.
std::vector<RoadSlot> RoadSlots() {
  std::vector<RoadSlot> slots;
  slots.insert(slots.end(), 12, RoadSlot{24, 32});
  slots.insert(slots.end(), 20, RoadSlot{8, 12});
  slots.insert(slots.end(), 24, RoadSlot{1, 5});
  return slots;
}

// A three-cell road at row 4, columns 4 to 6, touching no other road.
constexpr PlannedRoad parkingRoad{true, 2, 1, 2};
constexpr PlannedCar parkedCar{-1, 5, CGameScenario::parkingRow, 0};

// The client pixel over a world coordinate along one axis, at zoom 200 with
// the camera on the centre of the map.
int PixelFor(double world, int centrePixel, int pixelSpan, double visibleSpan) {
  return centrePixel + static_cast<int>(std::lround(world / visibleSpan * pixelSpan));
}

// Plans the draws of the 56 random roads of a map: each of `roads` takes the
// first road whose length range admits it, every other road is a vertical one
// over column 0, which changes nothing.
void PlanRoads(CScriptedStuff& stuff, const std::vector<PlannedRoad>& roads) {
  const std::vector<RoadSlot> slots = RoadSlots();
  std::vector<std::optional<PlannedRoad>> laid(slots.size());
  for (const PlannedRoad& road : roads) {
    std::size_t slot = 0;
    while (slot < slots.size() && (laid[slot] || road.length < slots[slot].minLength ||
                                   road.length > slots[slot].maxLength)) {
      ++slot;
    }
    if (slot == slots.size()) throw std::invalid_argument("no random road can take this road");
    laid[slot] = road;
  }
  for (std::size_t slot = 0; slot < slots.size(); ++slot) {
    const PlannedRoad road = laid[slot].value_or(PlannedRoad{false, 0, slots[slot].minLength, 0});
    stuff.Plan({road.horizontal ? 1.0 : 0.0, double(road.line), double(road.length)});
    if (road.length != 32) stuff.Plan({double(road.start)});
  }
}

// Plans the draws that make FindRandomRoadCell and ChooseExit pick this car.
void PlanCar(CScriptedStuff& stuff, const PlannedCar& car) {
  stuff.Plan({double(car.column), double(car.column % 2 == 1 ? car.row / 2 : car.row),
              double(car.exitIndex)});
}
}  // namespace

CGameScenario::CGameScenario(const std::vector<PlannedRoad>& roads,
                             const std::vector<PlannedCar>& cars) {
  std::vector<PlannedRoad> allRoads = roads;
  allRoads.push_back(parkingRoad);
  PlanRoads(stuff_, allRoads);
  for (int index = 0; index < 16; ++index) {
    PlannedCar car = parkedCar;
    for (const PlannedCar& planned : cars) {
      if (planned.index == index) car = planned;
    }
    PlanCar(stuff_, car);
  }
  game_ = std::make_unique<CGame>(&host_);
  if (stuff_.PlannedLeft() != 0) throw std::logic_error("the construction left planned draws");
}

void CGameScenario::Ticks(int count) {
  for (int i = 0; i < count; ++i) {
    host_.ClearPlayedSounds();
    game_->SetMousePosition(mouseX_, mouseY_);
    game_->Update();
  }
}

testing::AssertionResult CGameScenario::AimAt(int column, int row) {
  const double visibleWidth = ((200.0 - 2) / 1022 * 510.5 + 1.5) * 2;
  SetMouse(PixelFor(Centre(column), 512, 1023, visibleWidth),
           PixelFor(Centre(row), 384, 767, visibleWidth * 0.75));
  Tick();
  if (game_->CursorColumn() == column && game_->CursorRow() == row) {
    return testing::AssertionSuccess();
  }
  return testing::AssertionFailure()
         << "the cursor is on (" << game_->CursorColumn() << ", " << game_->CursorRow() << ")";
}

testing::AssertionResult CGameScenario::ClickAt(int column, int row) {
  testing::AssertionResult aimed = AimAt(column, row);
  if (aimed) game_->ToggleRoadBlock();
  return aimed;
}
