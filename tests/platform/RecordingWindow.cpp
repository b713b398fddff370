#include "RecordingWindow.h"

namespace recording {
namespace {

thread_local std::vector<UINT> received;
thread_local Answer answer;
thread_local std::vector<HWND> made;

bool IsRecorded(UINT message) {
  return (message >= WM_USER && message < 0xC000) || message == WM_NCCREATE ||
         message == WM_CREATE || message == WM_CLOSE || message == WM_DESTROY ||
         message == WM_NCDESTROY;
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (IsRecorded(message)) received.push_back(message);
  if (answer) {
    if (std::optional<LRESULT> result = answer(window, message, wParam, lParam)) return *result;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

void RegisterRecordingClass() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(WNDCLASSEXW);
  windowClass.lpfnWndProc = Procedure;
  windowClass.lpszClassName = WideText(className);
  if (RegisterClassExW(&windowClass) == 0) {
    ASSERT_EQ(GetLastError(), DWORD(ERROR_CLASS_ALREADY_EXISTS));
  }
  received.clear();
  answer = nullptr;
  made.clear();
}

HWND Create(DWORD style, RECT outer, const char16_t* text) {
  HWND window = CreateWindowExW(0, WideText(className), WideText(text), style, outer.left,
                                outer.top, outer.right - outer.left, outer.bottom - outer.top,
                                nullptr, nullptr, nullptr, nullptr);
  if (window != nullptr) made.push_back(window);
  return window;
}

void DestroyAll() {
  for (HWND window : made) {
    if (IsWindow(window)) DestroyWindow(window);
  }
  made.clear();
}

std::vector<UINT>& Received() { return received; }

void SetAnswer(Answer newAnswer) { answer = std::move(newAnswer); }

void AnswerWith(UINT message, LRESULT result) {
  SetAnswer([=](HWND, UINT seen, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (seen == message) return result;
    return std::nullopt;
  });
}

std::vector<MSG> Retrieve(int count) {
  std::vector<MSG> messages;
  for (int i = 0; i < count; ++i) {
    MSG message{};
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == -1) break;
    EXPECT_EQ(got == 0, message.message == WM_QUIT);
    messages.push_back(message);
  }
  return messages;
}

std::vector<Seen> RetrieveSeen(int count, bool timed) {
  std::vector<Seen> seen;
  for (const MSG& message : Retrieve(count)) {
    seen.push_back(Seen{message.message, message.wParam, message.lParam, timed ? message.time : 0});
  }
  return seen;
}

}  // namespace recording
