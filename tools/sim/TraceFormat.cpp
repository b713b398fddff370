#include "TraceFormat.h"

#include <cstdio>

#include "game/Game.h"

namespace {

// A JSON array built element by element, with commas between elements.
class CJsonList {
 public:
  explicit CJsonList(std::string& out) : out_(out) { out_ += '['; }
  ~CJsonList() { out_ += ']'; }
  CJsonList(const CJsonList&) = delete;
  CJsonList& operator=(const CJsonList&) = delete;

  // Starts the next element and returns the text to append it to.
  std::string& Next() {
    if (!empty_) out_ += ',';
    empty_ = false;
    return out_;
  }

 private:
  std::string& out_;
  bool empty_ = true;
};

void AppendNumber(std::string& out, double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.17g", value);
  out += text;
}

void AppendNumber(std::string& out, int value) { out += std::to_string(value); }

template <typename... Values>
void AppendTuple(std::string& out, Values... values) {
  CJsonList list(out);
  (AppendNumber(list.Next(), values), ...);
}

void AppendField(std::string& out, const char* name) {
  if (out.back() != '{') out += ',';
  out += '"';
  out += name;
  out += "\":";
}

void AppendBlocks(std::string& out, const tlib::TArray<RoadBlock>& blocks) {
  CJsonList list(out);
  for (int i = 0; i < blocks.Count(); ++i) {
    const RoadBlock& block = blocks.At(i);
    AppendTuple(list.Next(), block.column, block.row, block.orientation);
  }
}

void AppendFrogs(std::string& out, const tlib::TArray<CFrog>& frogs) {
  CJsonList list(out);
  for (int i = 0; i < frogs.Count(); ++i) {
    const CFrog& frog = frogs.At(i);
    AppendTuple(list.Next(), frog.X(), frog.Y(), frog.Z(), frog.Angle(),
                static_cast<int>(frog.State()), frog.Tick());
  }
}

void AppendCars(std::string& out, const tlib::TArray<CCar>& cars) {
  CJsonList list(out);
  for (int i = 0; i < cars.Count(); ++i) {
    const CCar& car = cars.At(i);
    AppendTuple(list.Next(), car.X(), car.Y(), car.Heading(), car.Kind(), car.IsMoving() ? 1 : 0,
                car.Step());
  }
}

void AppendSounds(std::string& out, const std::vector<std::string>& sounds) {
  CJsonList list(out);
  for (const std::string& sound : sounds) list.Next() += '"' + sound + '"';
}

}  // namespace

std::string FormatMap(const CRoadMap& map) {
  static constexpr char hexDigits[] = "0123456789abcdef";
  std::string text;
  for (int row = 0; row < map.Height(); ++row) {
    for (int column = 0; column < map.Width(); ++column) {
      const CellExits exits = map.GetCell(column, row);
      text += hexDigits[exits.west | exits.east << 1 | exits.north << 2 | exits.south << 3];
    }
    text += '\n';
  }
  return text;
}

std::string FormatTick(int tick, const CGame& game, const std::vector<std::string>& sounds) {
  std::string out = "{";
  AppendField(out, "tick");
  AppendNumber(out, tick);
  AppendField(out, "saved");
  AppendNumber(out, game.SavedCount());
  AppendField(out, "splatted");
  AppendNumber(out, game.SplattedCount());
  AppendField(out, "waves");
  AppendNumber(out, game.WaveCount());
  AppendField(out, "waveDelay");
  AppendNumber(out, game.WaveDelay());
  AppendField(out, "camera");
  AppendTuple(out, game.CameraX(), game.CameraY(), game.Zoom());
  AppendField(out, "cursor");
  if (game.CursorValid()) {
    AppendTuple(out, game.CursorColumn(), game.CursorRow(), game.CursorOrientation());
  } else {
    out += "null";
  }
  AppendField(out, "blocks");
  AppendBlocks(out, game.RoadBlocks());
  AppendField(out, "frogs");
  AppendFrogs(out, game.Frogs());
  AppendField(out, "cars");
  AppendCars(out, game.Cars());
  AppendField(out, "sounds");
  AppendSounds(out, sounds);
  out += '}';
  return out;
}

std::string FormatResult(const std::optional<GameResult>& result, int ticks) {
  if (!result) return "{\"result\":null,\"ticks\":" + std::to_string(ticks) + "}";
  return "{\"result\":{\"saved\":" + std::to_string(result->saved) +
         ",\"splatted\":" + std::to_string(result->splatted) +
         ",\"ticks\":" + std::to_string(ticks) + "}}";
}
