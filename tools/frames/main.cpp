// marrowick-frames draws chosen frames of the game with the program's own
// renderer through Direct3D 9: our software device where the tool is built
// for Linux, Direct3D 9 itself where it is built for Windows. It reads the
// pictures from Data\ in the current folder, as the game does.
//
//   marrowick-frames DIR                      every frame into DIR/<name>.bmp
//   marrowick-frames --time N                 the game frame drawn and presented
//                                             N times, and the time it took
//   marrowick-frames --compare REF OTHER DIFF how the frames in OTHER differ
//                                             from those in REF, a line a frame,
//                                             with difference pictures in DIFF
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "FrameCapture.h"
#include "FrameComparison.h"
#include "FrameHost.h"
#include "FrameScenes.h"
#include "app/ErrorReport.h"
#include "app/Presentation.h"
#include "assets/FileFormats.h"
#include "platform/Windows.h"
#include "render/Direct3D.h"
#include "render/RenderDevice.h"

namespace fs = std::filesystem;

namespace {

constexpr int clientWidth = 1024;
constexpr int clientHeight = 768;
// Frames of two devices may differ in this share of their pixels, ties aside,
// and in this share by colours that no shift explains.
constexpr double mostDifferingShare = 0.005;
constexpr double mostUnexplainedShare = 0.00005;

int Usage() {
  std::fprintf(stderr,
               "usage: marrowick-frames DIR\n"
               "       marrowick-frames --time N\n"
               "       marrowick-frames --compare REFERENCE OTHER DIFFERENCES\n");
  return 2;
}

// A popup window with nothing but a client area, as big as the game's.
HWND MakeWindow() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(WNDCLASSEXW);
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.lpszClassName = WideText(u"MarrowickFrames");
  if (RegisterClassExW(&windowClass) == 0) throw std::runtime_error("RegisterClassExW failed");
  HWND window = CreateWindowExW(0, WideText(u"MarrowickFrames"), WideText(u"Marrowick frames"),
                                WS_POPUP | WS_VISIBLE, 0, 0, clientWidth, clientHeight, nullptr,
                                nullptr, nullptr, nullptr);
  if (window == nullptr) throw std::runtime_error("CreateWindowExW failed");
  return window;
}

// The window, the Direct3D objects and the pictures, set up as the program sets them up.
class Stage {
 public:
  Stage() : device_(direct3D_.CreateDevice(false, MakeWindow(), clientWidth, clientHeight)) {
    SetUpRenderStates(device_.get());
    host_ = std::make_unique<CFrameHost>(device_.get());
  }
  CRenderDevice* Device() { return device_.get(); }
  CFrameHost& Host() { return *host_; }

 private:
  CDirect3D direct3D_;
  std::unique_ptr<CRenderDevice> device_;
  std::unique_ptr<CFrameHost> host_;
};

void DrawFrames(const fs::path& folder) {
  fs::create_directories(folder);
  Stage stage;
  for (const std::string& name : SceneNames()) {
    const std::unique_ptr<CFrameScene> scene = MakeScene(name, stage.Host());
    const assets::CImage frame = CaptureFrame(stage.Device(), *scene);
    assets::WriteFile(folder / (name + ".bmp"), assets::EncodeBitmap(frame));
  }
}

// Whole frames, as the application draws one each tick.
void TimeGameFrame(int count) {
  Stage stage;
  const std::unique_ptr<CFrameScene> scene = MakeScene("game", stage.Host());
  std::vector<double> milliseconds;
  for (int i = 0; i < count; ++i) {
    const auto start = std::chrono::steady_clock::now();
    stage.Device()->BeginFrame();
    scene->Render(stage.Device());
    stage.Device()->EndFrame();
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    milliseconds.push_back(took.count());
  }
  std::sort(milliseconds.begin(), milliseconds.end());
  double total = 0;
  for (double each : milliseconds) total += each;
  std::printf("game frame: mean %.3f ms, median %.3f ms, fastest %.3f ms (%d frames)\n",
              total / count, milliseconds[milliseconds.size() / 2], milliseconds.front(), count);
}

// True when every frame meets the figures.
bool CompareFrames(const fs::path& reference, const fs::path& other, const fs::path& differences) {
  fs::create_directories(differences);
  bool met = true;
  for (const std::string& name : SceneNames()) {
    const std::string file = name + ".bmp";
    const CFrameComparison comparison(assets::DecodeBitmap(assets::ReadFile(reference / file)),
                                      assets::DecodeBitmap(assets::ReadFile(other / file)));
    assets::WriteFile(differences / file, assets::EncodeBitmap(comparison.Picture()));
    const FrameDifference& difference = comparison.Difference();
    const bool meets = difference.BeyondTiesShare() <= mostDifferingShare &&
                       difference.UnexplainedShare() <= mostUnexplainedShare;
    std::printf(
        "%-17s %6.3f %% of pixels differ (%6d): %6d ties, %6.3f %% beyond ties, %3d "
        "unexplained%s\n",
        name.c_str(), 100 * difference.DifferingShare(), difference.differing, difference.ties,
        100 * difference.BeyondTiesShare(), difference.unexplained,
        meets ? "" : "  <- misses the target");
    met = met && meets;
  }
  return met;
}

int Run(int argc, char** argv) {
  try {
    if (argc == 2 && argv[1][0] != '-') {
      DrawFrames(argv[1]);
    } else if (argc == 3 && std::strcmp(argv[1], "--time") == 0 && std::atoi(argv[2]) > 0) {
      TimeGameFrame(std::atoi(argv[2]));
    } else if (argc == 5 && std::strcmp(argv[1], "--compare") == 0) {
      return CompareFrames(argv[2], argv[3], argv[4]) ? 0 : 1;
    } else {
      return Usage();
    }
  } catch (const std::runtime_error& error) {
    std::fprintf(stderr, "marrowick-frames: %s\n", error.what());
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  // The program's own errors end the tool with their message, as they end the game.
  int status = 0;
  RunOrExitWithReport([&] { status = Run(argc, argv); });
  return status;
}
