// Frames drawn through CRenderDevice with the application's render states, on
// the headless presenter, Clear and Present included:
// - a running game the way the game scene draws it: the ground, every road
//   cell of a 65 x 65 map, 100 frogs, 16 cars, 5 road blocks and the preview
//   block, then the overlay sprites; one draw call per triangle. The argument
//   is the camera distance: 200 at rest, 731 fully zoomed out;
// - the title screen: one opaque picture as large as the window, drawn at its
//   own size.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <random>
#include <vector>

#include "app/Presentation.h"
#include "math/Matrix4.h"
#include "platform/D3D9.h"
#include "platform/Windows.h"
#include "render/Direct3D.h"
#include "render/RenderDevice.h"
#include "render/ScreenSpace.h"
#include "render/Sprite.h"

namespace {

constexpr int mapSize = 65;
constexpr double halfPi = 1.5707963267948966;

struct Placed {
  double x, y, z, angle;
};

// A picture of the size the game's own has: opaque, or an opaque disc on a
// transparent white background with a half-transparent magenta shadow, as the
// colour key makes them.
std::vector<std::uint32_t> Picture(int width, int height, std::uint32_t colour, bool cutOut) {
  std::vector<std::uint32_t> pixels;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const double dx = (x + 0.5) / width - 0.5, dy = (y + 0.5) / height - 0.5;
      const double distance = std::sqrt(dx * dx + dy * dy);
      std::uint32_t pixel = 0xFF000000u | (colour ^ static_cast<std::uint32_t>((x ^ y) & 7));
      if (cutOut && distance > 0.45) pixel = 0x00000000;
      if (cutOut && distance > 0.35 && distance <= 0.45) pixel = 0x7F7F7F7F;
      pixels.push_back(pixel);
    }
  }
  return pixels;
}

// The game's 1024 x 768 window, on the headless backend.
HWND MakeWindow() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.lpszClassName = u"RenderBench";
  RegisterClassExW(&windowClass);  // or registered already
  return CreateWindowExW(0, u"RenderBench", u"", WS_POPUP, 0, 0, 1024, 768, nullptr, nullptr,
                         nullptr, nullptr);
}

// A window and its render device, set up as the application sets up its own.
class Screen {
 public:
  Screen() : window_(MakeWindow()), device_(direct3D_.CreateDevice(false, window_, 1024, 768)) {
    SetUpRenderStates(device_.get());
  }
  ~Screen() { DestroyWindow(window_); }
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;

  CRenderDevice* Device() { return device_.get(); }

 private:
  HWND window_;
  CDirect3D direct3D_;
  std::unique_ptr<CRenderDevice> device_;
};

class GameFrame {
 public:
  explicit GameFrame(double zoom) : device_(screen_.Device()), zoom_(zoom) {
    MakeResources();
    PlaceThings();
    projection_.m[0][0] = 2;
    projection_.m[1][1] = -8.0 / 3;
    projection_.m[2][2] = 1.0019569471624266;
    projection_.m[2][3] = 1;
    projection_.m[3][2] = -2.003913894324853;
  }

  void Draw() {
    device_->BeginFrame();
    device_->SetTransform(TransformKind::Projection, projection_);
    device_->SetTransform(TransformKind::View, Matrix4::Translation(-Vector3{0, 0, -zoom_}));
    device_->SetTransform(TransformKind::World, Matrix4::Identity());
    const ColouredVertex v1{-2400, -2400, 0, 0xFF54A543}, v2{2400, -2400, 0, 0xFF54A543};
    const ColouredVertex v3{-2400, 2400, 0, 0xFF54A543}, v4{2400, 2400, 0, 0xFF54A543};
    device_->DrawColouredTriangle(v1, v2, v3);
    device_->DrawColouredTriangle(v2, v4, v3);
    for (int row = 0; row < mapSize; ++row) {
      for (int column = 0; column < mapSize; ++column) {
        CTexture* road = roadAt_[row * mapSize + column];
        if (road == nullptr) continue;
        device_->SetTransform(TransformKind::World, Matrix4::Translation(Vector3{
                                                        column * 8.0 - 256, row * 8.0 - 256, 0}));
        DrawQuad(4, 4, road);
      }
    }
    for (const Placed& frog : frogs_) DrawTurned(frog, 1, 1, frogTexture_);
    for (std::size_t i = 0; i < cars_.size(); ++i)
      DrawTurned(cars_[i], 2.5, 2.5, carTextures_[i % 3]);
    for (const Placed& block : blocks_) DrawTurned(block, 2.3, 0.75, blockTexture_);
    DrawTurned(blocks_.front(), 2.3, 0.75, blockTexture_);  // the preview under the cursor
    UseScreenSpace(device_);
    device_->DrawSprite(savedSprite_, 850, 20, 0, 0);
    DrawNumber(37, 900, 24);
    device_->DrawSprite(splattedSprite_, 850, 70, 0, 0);
    DrawNumber(12, 900, 74);
    device_->DrawSprite(cursorSprite_, 500, 400, 0.5, 0.5);
    device_->EndFrame();
  }

 private:
  void MakeResources() {
    for (int i = 0; i < 11; ++i) {
      roadTextures_.push_back(device_->CreateTexture(
          40, 40, Picture(40, 40, 0x505050u + static_cast<std::uint32_t>(i), false).data()));
    }
    frogTexture_ = device_->CreateTexture(10, 10, Picture(10, 10, 0x20C020, true).data());
    for (int i = 0; i < 3; ++i) {
      carTextures_.push_back(
          device_->CreateTexture(25, 25, Picture(25, 25, 0xC02020u << i, true).data()));
    }
    blockTexture_ = device_->CreateTexture(23, 8, Picture(23, 8, 0xE0A000, true).data());
    savedSprite_ = device_->CreateSprite(40, 40, Picture(40, 40, 0x20C020, true).data());
    splattedSprite_ = device_->CreateSprite(40, 40, Picture(40, 40, 0xC02020, true).data());
    cursorSprite_ = device_->CreateSprite(31, 31, Picture(31, 31, 0x000000, true).data());
    for (int digit = 0; digit < 10; ++digit) {
      digits_.push_back(device_->CreateSprite(25, 32, Picture(25, 32, 0x101010, true).data()));
    }
  }

  // Roads on every fourth row and column: 1921 road cells of 4225.
  void PlaceThings() {
    roadAt_.assign(mapSize * mapSize, nullptr);
    for (int row = 0; row < mapSize; ++row) {
      for (int column = 0; column < mapSize; ++column) {
        const bool across = row % 4 == 0, along = column % 4 == 0;
        if (across || along)
          roadAt_[row * mapSize + column] = roadTextures_[across && along ? 10 : across ? 1 : 0];
      }
    }
    std::mt19937 random(2024);
    std::uniform_real_distribution<double> nearMiddle(-60, 60), angle(0, 4 * halfPi);
    for (int i = 0; i < 100; ++i)
      frogs_.push_back(
          {nearMiddle(random), nearMiddle(random), i % 7 == 0 ? 3.0 : 0.0, angle(random)});
    for (int i = 0; i < 16; ++i)
      cars_.push_back({(i % 8) * 32.0 - 128, (i / 8) * 32.0 - 96, 0, (i % 4) * halfPi});
    for (int i = 0; i < 5; ++i)
      blocks_.push_back({i * 32.0 - 64, 16.0 - 256 + 256, 0, (i % 2) * halfPi});
  }

  void DrawQuad(double a, double b, CTexture* texture) {
    const auto fa = static_cast<float>(a), fb = static_cast<float>(b);
    const TexturedVertex v1{-fa, -fb, 0, 0, 0}, v2{fa, -fb, 0, 1, 0};
    const TexturedVertex v3{-fa, fb, 0, 0, 1}, v4{fa, fb, 0, 1, 1};
    device_->DrawTexturedTriangle(v1, v2, v3, texture);
    device_->DrawTexturedTriangle(v2, v4, v3, texture);
  }

  void DrawTurned(const Placed& thing, double a, double b, CTexture* texture) {
    device_->SetTransform(TransformKind::World,
                          Matrix4::RotationAxis(Vector3{0, 0, -1}, thing.angle) *
                              Matrix4::Translation(Vector3{thing.x, thing.y, -thing.z}));
    DrawQuad(a, b, texture);
  }

  void DrawNumber(int value, int x, int y) {
    const std::string text = std::to_string(value);
    for (char digit : text) {
      CSprite* sprite = digits_[static_cast<std::size_t>(digit - '0')];
      device_->DrawSprite(sprite, x, y, 0, 0);
      x += sprite->Width();
    }
  }

  Screen screen_;
  CRenderDevice* device_;
  double zoom_;
  Matrix4 projection_;
  std::vector<CTexture*> roadTextures_, carTextures_, roadAt_;
  CTexture *frogTexture_ = nullptr, *blockTexture_ = nullptr;
  CSprite *savedSprite_ = nullptr, *splattedSprite_ = nullptr, *cursorSprite_ = nullptr;
  std::vector<CSprite*> digits_;
  std::vector<Placed> frogs_, cars_, blocks_;
};

void BM_GameFrame(benchmark::State& state) {
  GameFrame frame(static_cast<double>(state.range(0)));
  for (auto _ : state) frame.Draw();
}
BENCHMARK(BM_GameFrame)
    ->Arg(200)
    ->Arg(731)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

void BM_TitleFrame(benchmark::State& state) {
  Screen screen;
  CRenderDevice* device = screen.Device();
  CSprite* title = device->CreateSprite(1024, 768, Picture(1024, 768, 0x3060A0, false).data());
  for (auto _ : state) {
    device->BeginFrame();
    UseScreenSpace(device);
    device->DrawSprite(title, 512, 384, 0.5, 0.5);
    device->EndFrame();
  }
}
BENCHMARK(BM_TitleFrame)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

}  // namespace
