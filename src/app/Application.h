// The one object of the program. It opens the main window, sets up the render
// device, runs the message loop and, on every tick of a 20 ms timer, updates
// and draws either the running game or the title screen. It owns everything
// else: the windowing framework, the Direct3D objects, the resource
// registries, the preloader while loading runs, the title screen, the game and
// the best result. The game reaches it as its IGameHost, the title screen as
// its ITitleHost.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "app/HighScore.h"
#include "app/Registry.h"
#include "game/GameHost.h"
#include "platform/Windows.h"
#include "render/TitleHost.h"
#include "tlib/Random.h"
#include "tlib/String.h"

namespace CorvelGUI {
class CGuiApplication;
class CWindow;
}  // namespace CorvelGUI

class CDirect3D;
class CGame;
class CMainFormHandler;
class CPreLoader;
class CRenderDevice;
class CTitleScreen;

class CApplication final : public IGameHost, public ITitleHost {
 public:
  // Seeds the random source from the calendar time.
  explicit CApplication(HINSTANCE instance);
  // With a given seed, so that the games it runs can be foretold.
  CApplication(HINSTANCE instance, std::uint32_t seed);
  CApplication(const CApplication&) = delete;
  CApplication& operator=(const CApplication&) = delete;
  // Waits for the preloader's thread before it tears down what the thread uses.
  ~CApplication();

  // Starts up, then runs the message loop until the main window is gone.
  void Run();

  // The main window's messages, on the main thread (CMainFormHandler).
  void OnDestroy();
  void OnTimer();
  void OnKeyDown(int key);
  // Releases, characters and mouse moves change nothing: the tick polls the
  // mouse position and the A key instead.
  void OnKeyUp(int /*key*/) {}
  void OnChar(int /*code*/) {}
  void OnMouseMove(int /*x*/, int /*y*/) {}
  void OnMouseButton(bool rightButton, bool released, int x, int y);
  // Application messages; id 0 carries the preloader's progress.
  void OnUserMessage(unsigned id, WPARAM wParam, LPARAM lParam);

  // Called on the preloader's thread: 0 when the title screen's pictures are
  // loaded, -1 when everything is.
  void ReportProgress(int value);

  // Get-or-load by name from "Data\", from either thread.
  CTexture* LoadTexture(tlib::TString name) override;
  CSprite* LoadSprite(tlib::TString name) override;
  Sound LoadSound(tlib::TString name) override;
  void PlaySound(Sound sound) override;

  void ReportResult(int saved, int splatted) override;
  bool GetHighScore(int& saved, int& splatted) override;
  void DrawNumber(int value, int x, int y) override;

  int RandomInt(int min, int max) override;
  double RandomReal() override;

  // The main window's handle once Run has made it, for tests that read back
  // the window's frames.
  HWND MainWindowHandle() const { return mainWindowHandle_; }

 private:
  void Initialize();
  void SetUpRenderDevice();
  void RunMessageLoop();
  void UpdateGame();
  void StartGameWhenReady();
  void OnLoadingStageDone();
  template <typename Resource>
  Resource LoadPicture(CRegistry<Resource>& registry, const tlib::TString& name,
                       Resource (CRenderDevice::*create)(int, int, const std::uint32_t*));
  Sound ReadSound(const tlib::TString& path);

  // Declared in the order of construction; destroyed in reverse: the game,
  // the title screen, the render device, Direct3D, the framework, then the
  // registries.
  CRegistry<CTexture*> textures_;
  CRegistry<CSprite*> sprites_;
  CRegistry<Sound> sounds_;
  // The bytes of every loaded sound; the registry only points into them.
  std::vector<std::unique_ptr<std::uint8_t[]>> soundBuffers_;
  tlib::TRandom random_;
  std::unique_ptr<CorvelGUI::CGuiApplication> guiApplication_;
  std::unique_ptr<CDirect3D> direct3D_;
  CorvelGUI::CWindow* mainWindow_ = nullptr;  // the framework deletes it with the window
  // Kept apart from mainWindow_ for the preloader's thread, which posts to it:
  // a handle outlives its window without harm, the window object does not.
  HWND mainWindowHandle_ = nullptr;
  std::unique_ptr<CMainFormHandler> mainFormHandler_;
  std::unique_ptr<CRenderDevice> renderDevice_;
  // Set while loading runs; null once the preloader has reported completion.
  std::unique_ptr<CPreLoader> preLoader_;
  std::unique_ptr<CTitleScreen> titleScreen_;
  std::unique_ptr<CGame> game_;
  CSprite* digitSprites_[10] = {};
  CHighScore highScore_;
  // The running game reported its result in this tick; it goes at the tick's end.
  bool gameOver_ = false;
};
