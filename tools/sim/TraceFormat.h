// The simulator's output lines. Other tools read them, so the formats are
// fixed: doubles with 17 significant digits, integers as integers, no spaces.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "SimulationHost.h"

class CGame;
class CRoadMap;

// One line per row, row 0 first; each cell is one lower-case hex digit of its
// links: west 1, east 2, north 4, south 8.
std::string FormatMap(const CRoadMap& map);

// The state after tick `tick`, with the sounds that tick started, as one JSON
// object on one line (no line break).
std::string FormatTick(int tick, const CGame& game, const std::vector<std::string>& sounds);

// {"result":{"saved":S,"splatted":P,"ticks":T}} once the game reported in tick
// T; {"result":null,"ticks":N} when N ticks ran without an end.
std::string FormatResult(const std::optional<GameResult>& result, int ticks);
