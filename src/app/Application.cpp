#include "app/Application.h"

#include <algorithm>
#include <cstring>
#include <ctime>

#include "app/MainFormHandler.h"
#include "app/PreLoader.h"
#include "app/Presentation.h"
#include "game/Game.h"
#include "gui/GuiApplication.h"
#include "gui/Window.h"
#include "platform/D3D9.h"
#include "render/Bitmap.h"
#include "render/Direct3D.h"
#include "render/RenderDevice.h"
#include "render/Sprite.h"
#include "render/TitleScreen.h"
#include "tlib/Exception.h"
#include "tlib/File.h"

using tlib::TException;
using tlib::TString;

namespace {

constexpr int clientWidth = 1024;
constexpr int clientHeight = 768;
// The framework's one window style: captioned, with system menu, minimise and
// maximise buttons and no sizing border.
constexpr DWORD mainWindowStyle =
    WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
constexpr UINT_PTR tickTimer = 1;
constexpr UINT tickMilliseconds = 20;
constexpr int keyA = 65;

constexpr int titleScreenReady = 0;
constexpr int loadingComplete = -1;

// A progress value as it travels in a message's wParam.
WPARAM ProgressParameter(int value) { return static_cast<WPARAM>(static_cast<LPARAM>(value)); }

TString DataPath(const TString& name, const TString& extension) {
  return TString(u"Data\\") + (name + extension);
}

// A RIFF file starts with "RIFF" and the number of bytes that follow those 8.
constexpr std::uint32_t riffHeaderSize = 8;

// The player trusts the RIFF length of a sound: a file that claims more bytes
// than it holds must not send it past the end of the buffer. A file shorter
// than the header was padded to one and holds nothing beyond it.
void LimitRiffLength(std::uint8_t* bytes, std::uint32_t size) {
  if (std::memcmp(bytes, "RIFF", 4) != 0) return;
  std::uint32_t claimed = bytes[4] | bytes[5] << 8 | bytes[6] << 16 | std::uint32_t(bytes[7]) << 24;
  std::uint32_t present = size > riffHeaderSize ? size - riffHeaderSize : 0;
  if (claimed <= present) return;
  for (int i = 0; i < 4; ++i) bytes[4 + i] = static_cast<std::uint8_t>(present >> (8 * i));
}

}  // namespace

CApplication::CApplication(HINSTANCE instance)
    : CApplication(instance, static_cast<std::uint32_t>(std::time(nullptr))) {}

CApplication::CApplication(HINSTANCE instance, std::uint32_t seed)
    : random_(seed),
      guiApplication_(std::make_unique<CorvelGUI::CGuiApplication>(instance)),
      direct3D_(std::make_unique<CDirect3D>()),
      preLoader_(std::make_unique<CPreLoader>(this)) {}

// The preloader's thread may still be loading into the registries and the
// render device when the window closes early; they go only after it is done.
CApplication::~CApplication() { guiApplication_->WaitForThreads(); }

void CApplication::Run() {
  Initialize();
  if (SetTimer(mainWindowHandle_, tickTimer, tickMilliseconds, nullptr) == 0) {
    throw TException(u"SetTimer() failed");
  }
  RunMessageLoop();
}

void CApplication::Initialize() {
  RECT frame;
  if (!SetRect(&frame, 0, 0, clientWidth, clientHeight)) throw TException(u"SetRect() failed");
  if (!AdjustWindowRect(&frame, mainWindowStyle, FALSE)) {
    throw TException(u"AdjustWindowRect() failed");
  }
  mainFormHandler_ = std::make_unique<CMainFormHandler>(this);
  mainWindow_ = guiApplication_->MakeWindow(mainFormHandler_.get(), u"Marrowick",
                                            frame.right - frame.left, frame.bottom - frame.top);
  mainWindowHandle_ = mainWindow_->GetHandle();
  mainWindow_->Show(true);
  SetUpRenderDevice();
  ShowCursor(FALSE);  // the game draws its own cursor
  highScore_.Load();
  guiApplication_->StartThread(preLoader_.get());
}

void CApplication::SetUpRenderDevice() {
  renderDevice_.reset(direct3D_->CreateDevice(false, mainWindowHandle_, clientWidth, clientHeight));
  SetUpRenderStates(renderDevice_.get());
}

void CApplication::RunMessageLoop() {
  MSG message;
  for (;;) {
    BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == -1) throw TException(u"GetMessage() failed");
    if (got == 0) return;  // the quit message
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void CApplication::OnTimer() {
  if (game_) {
    UpdateGame();
  } else if (titleScreen_) {
    titleScreen_->Update();
  }
  renderDevice_->BeginFrame();
  if (game_) {
    game_->Render(renderDevice_.get());
  } else if (titleScreen_) {
    titleScreen_->Render(renderDevice_.get());
  }
  renderDevice_->EndFrame();
  // The game that reported its result is drawn one last time, then it goes.
  if (gameOver_) {
    game_.reset();
    gameOver_ = false;
  }
}

void CApplication::UpdateGame() {
  POINT cursor = {};
  GetCursorPos(&cursor);
  ScreenToClient(mainWindowHandle_, &cursor);
  game_->SetMousePosition(cursor.x, cursor.y);
  // Non-zero while the key is down or when it was pressed since the last poll.
  if (GetAsyncKeyState(keyA) != 0) game_->ZoomOut();
  game_->Update();
}

void CApplication::OnKeyDown(int key) {
  switch (key) {
    case VK_RETURN: StartGameWhenReady(); break;
    case VK_ESCAPE:
      if (!PostMessageW(mainWindowHandle_, WM_CLOSE, 0, 0)) {
        throw TException(u"PostMessage() failed");
      }
      break;
    default: break;
  }
}

void CApplication::StartGameWhenReady() {
  if (game_ || preLoader_) return;
  game_ = std::make_unique<CGame>(this);
}

void CApplication::OnMouseButton(bool rightButton, bool released, int /*x*/, int /*y*/) {
  // The game works on the cell under the cursor as the last tick found it.
  if (game_ && !rightButton && !released) game_->ToggleRoadBlock();
}

void CApplication::OnDestroy() {
  // The loading thread may still be making textures on the device that draws
  // into this window; let it finish while the window is still there.
  guiApplication_->WaitForThreads();
  PlaySoundW(nullptr, nullptr, 0);  // stop the sound that is playing
  PostQuitMessage(0);
  if (!KillTimer(mainWindowHandle_, tickTimer)) throw TException(u"KillTimer() failed");
}

void CApplication::OnUserMessage(unsigned id, WPARAM wParam, LPARAM /*lParam*/) {
  if (id != 0) return;
  if (wParam == ProgressParameter(titleScreenReady)) {
    OnLoadingStageDone();
  } else if (wParam == ProgressParameter(loadingComplete)) {
    preLoader_.reset();  // from now on Enter starts a game
  }
}

// The title screen's pictures and the digits are in the sprite registry now.
void CApplication::OnLoadingStageDone() {
  for (int digit = 0; digit <= 9; ++digit) {
    digitSprites_[digit] = LoadSprite(TString::Format(u"Digit%d", digit));
  }
  titleScreen_ = std::make_unique<CTitleScreen>(this);
}

void CApplication::ReportProgress(int value) {
  // A failed post goes unnoticed: the window may already be gone.
  PostMessageW(mainWindowHandle_, WM_USER, ProgressParameter(value), 0);
}

template <typename Resource>
Resource CApplication::LoadPicture(CRegistry<Resource>& registry, const TString& name,
                                   Resource (CRenderDevice::*create)(int, int,
                                                                     const std::uint32_t*)) {
  return registry.GetOrLoad(name, [&] {
    std::unique_ptr<CBitmap> bitmap = CBitmap::Load(DataPath(name, u".bmp"));
    return (renderDevice_.get()->*create)(bitmap->Width(), bitmap->Height(), bitmap->Pixels());
  });
}

CTexture* CApplication::LoadTexture(TString name) {
  return LoadPicture(textures_, name, &CRenderDevice::CreateTexture);
}

CSprite* CApplication::LoadSprite(TString name) {
  return LoadPicture(sprites_, name, &CRenderDevice::CreateSprite);
}

Sound CApplication::LoadSound(TString name) {
  return sounds_.GetOrLoad(name, [&] { return ReadSound(DataPath(name, u".wav")); });
}

// The whole file, in a buffer of at least a RIFF header's size so that the
// player can always read one; what the file does not fill stays zero.
Sound CApplication::ReadSound(const TString& path) {
  tlib::TFile file(path, tlib::TFileMode::Read, true);
  std::uint32_t size = file.GetSize();
  auto bytes = std::make_unique<std::uint8_t[]>(std::max(size, riffHeaderSize));
  file.Read(bytes.get(), size);  // a shorter read is not an error
  file.Close();
  LimitRiffLength(bytes.get(), size);
  soundBuffers_.push_back(std::move(bytes));
  return soundBuffers_.back().get();
}

void CApplication::PlaySound(Sound sound) {
  // From memory, returning at once; a new sound cuts off the one playing.
  PlaySoundW(reinterpret_cast<LPCWSTR>(sound), nullptr, SND_ASYNC | SND_NODEFAULT | SND_MEMORY);
}

void CApplication::ReportResult(int saved, int splatted) {
  gameOver_ = true;
  highScore_.Report(saved, splatted);
}

bool CApplication::GetHighScore(int& saved, int& splatted) {
  return highScore_.Get(saved, splatted);
}

void CApplication::DrawNumber(int value, int x, int y) {
  DrawDigits(renderDevice_.get(), digitSprites_, value, x, y);
}

int CApplication::RandomInt(int min, int max) { return random_.RandomInt(min, max); }

double CApplication::RandomReal() { return random_.RandomReal(); }
