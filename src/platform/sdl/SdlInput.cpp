#include "platform/sdl/SdlInput.h"

#include "platform/posix/InputEvents.h"

namespace platform::sdl {
namespace {

struct KeyName {
  SDL_Keycode key;
  int virtualKey;
};

constexpr KeyName namedKeys[] = {
    {SDLK_RETURN, VK_RETURN},  {SDLK_KP_ENTER, VK_RETURN}, {SDLK_ESCAPE, VK_ESCAPE},
    {SDLK_BACKSPACE, VK_BACK}, {SDLK_TAB, VK_TAB},         {SDLK_SPACE, VK_SPACE},
    {SDLK_LEFT, VK_LEFT},      {SDLK_UP, VK_UP},           {SDLK_RIGHT, VK_RIGHT},
    {SDLK_DOWN, VK_DOWN},      {SDLK_LSHIFT, VK_SHIFT},    {SDLK_RSHIFT, VK_SHIFT},
    {SDLK_LCTRL, VK_CONTROL},  {SDLK_RCTRL, VK_CONTROL},   {SDLK_LALT, VK_MENU},
    {SDLK_RALT, VK_MENU},
};

// Windows turns these key presses into characters too; SDL's text input does not.
bool TypesControlCharacter(int virtualKey) {
  return virtualKey == VK_RETURN || virtualKey == VK_ESCAPE || virtualKey == VK_BACK ||
         virtualKey == VK_TAB;
}

void TranslateKey(const SDL_KeyboardEvent& event, HWND window) {
  int virtualKey = VirtualKeyFor(event.keysym.sym);
  if (virtualKey == 0) return;
  bool down = event.state == SDL_PRESSED;
  DeliverKey(window, virtualKey, down);
  if (down && TypesControlCharacter(virtualKey)) DeliverChar(window, char16_t(virtualKey));
}

void TranslateText(const SDL_TextInputEvent& event, HWND window) {
  char* converted = SDL_iconv_string("UTF-16LE", "UTF-8", event.text, SDL_strlen(event.text) + 1);
  if (converted == nullptr) return;
  const auto* bytes = reinterpret_cast<const unsigned char*>(converted);
  for (std::size_t i = 0;; i += 2) {
    auto unit = char16_t(bytes[i] | (bytes[i + 1] << 8));
    if (unit == u'\0') break;
    DeliverChar(window, unit);
  }
  SDL_free(converted);
}

void TranslateButton(const SDL_MouseButtonEvent& event, HWND window) {
  if (event.button != SDL_BUTTON_LEFT && event.button != SDL_BUTTON_RIGHT) return;
  MouseButton button = event.button == SDL_BUTTON_LEFT ? MouseButton::Left : MouseButton::Right;
  DeliverMouseButton(window, button, event.state == SDL_PRESSED, POINT{event.x, event.y});
}

}  // namespace

int VirtualKeyFor(SDL_Keycode key) {
  if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
  if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
  if (key >= SDLK_F1 && key <= SDLK_F12) return VK_F1 + (key - SDLK_F1);
  for (const KeyName& named : namedKeys) {
    if (named.key == key) return named.virtualKey;
  }
  return 0;
}

void TranslateInput(const SDL_Event& event, HWND window) {
  switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP: TranslateKey(event.key, window); break;
    case SDL_TEXTINPUT: TranslateText(event.text, window); break;
    case SDL_MOUSEMOTION: DeliverMouseMove(window, POINT{event.motion.x, event.motion.y}); break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: TranslateButton(event.button, window); break;
    default: break;
  }
}

}  // namespace platform::sdl
