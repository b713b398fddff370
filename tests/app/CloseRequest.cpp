// Closes a window early, as a player who clicks the window manager's close
// button right away would: waits for a top-level window with the given name,
// waits the given milliseconds more and sends that same window
// WM_DELETE_WINDOW, the request behind the button.
//
// Usage: marrowick-close-request NAME MILLISECONDS
// Exit status 0 once the request is sent; 1 when no such window appeared
// within twenty seconds; 2 for a wrong command line or no display; 3 when the
// window that appeared was gone by the time of the request (the program made
// another in its place, so the player's click would have been lost).
#include <X11/Xlib.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

bool windowWasGone = false;

int NoteMissingWindow(Display* /*display*/, XErrorEvent* error) {
  if (error->error_code == BadWindow) windowWasGone = true;
  return 0;
}

// The first top-level window with the name, or 0.
Window FindWindow(Display* display, const char* name) {
  Window root = 0;
  Window parent = 0;
  Window* children = nullptr;
  unsigned count = 0;
  XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count);
  Window found = 0;
  for (unsigned i = 0; i < count && found == 0; ++i) {
    char* windowName = nullptr;
    if (XFetchName(display, children[i], &windowName) == 0 || windowName == nullptr) continue;
    if (std::strcmp(windowName, name) == 0) found = children[i];
    XFree(windowName);
  }
  if (children != nullptr) XFree(children);
  return found;
}

void RequestClose(Display* display, Window window) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, window, False, NoEventMask, &event);
  XSync(display, False);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return 2;
  XSetErrorHandler(NoteMissingWindow);
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  Window window = 0;
  while ((window = FindWindow(display, argv[1])) == 0 &&
         std::chrono::steady_clock::now() < giveUp) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  if (window != 0) {
    std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(argv[2])));
    windowWasGone = false;  // windows that went while the search looked at them do not count
    RequestClose(display, window);
  }
  XCloseDisplay(display);
  if (window == 0) return 1;
  return windowWasGone ? 3 : 0;
}
