#include "Simulation.h"

#include "TraceFormat.h"
#include "UsageError.h"

CSimulation::CSimulation(std::uint32_t seed, std::vector<InputEvent> events)
    : random_(seed), host_(random_), game_(std::make_unique<CGame>(&host_)), events_(std::move(events)) {}

void CSimulation::ApplyEventsOf(int tick) {
  for (; nextEvent_ < events_.size() && events_[nextEvent_].tick == tick; ++nextEvent_) {
    const InputEvent& event = events_[nextEvent_];
    switch (event.kind) {
      case InputEvent::Kind::Mouse:
        mouseX_ = event.x;
        mouseY_ = event.y;
        break;
      case InputEvent::Kind::KeyDown: zoomKeyDown_ = true; break;
      case InputEvent::Kind::KeyUp: zoomKeyDown_ = false; break;
      case InputEvent::Kind::Click: game_->ToggleRoadBlock(); break;
    }
  }
}

void CSimulation::RunTick() {
  ++ticksRun_;
  host_.ClearPlayedSounds();
  ApplyEventsOf(ticksRun_);
  game_->SetMousePosition(mouseX_, mouseY_);
  if (zoomKeyDown_) game_->ZoomOut();
  game_->Update();
}

void RunSimulation(const SimOptions& options, const std::vector<InputEvent>& events,
                   std::ostream& out) {
  CSimulation simulation(options.seed, events);
  if (options.printMap) out << FormatMap(simulation.Game().GetRoadMap());
  while (!simulation.HasEnded() && simulation.TicksRun() < options.tickLimit) {
    simulation.RunTick();
    if (options.trace) {
      out << FormatTick(simulation.TicksRun(), simulation.Game(), simulation.Host().PlayedSounds())
          << '\n';
    }
  }
  out << FormatResult(simulation.Host().Result(), simulation.TicksRun()) << '\n';
}

int RunCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& errors) {
  try {
    const SimOptions options = ParseCommandLine(arguments);
    std::vector<InputEvent> events;
    if (options.inputPath) events = LoadInputScript(*options.inputPath);
    RunSimulation(options, events, out);
  } catch (const CUsageError& error) {
    errors << "marrowick-sim: " << error.what() << '\n' << UsageText() << '\n';
    return 2;
  }
  return 0;
}
