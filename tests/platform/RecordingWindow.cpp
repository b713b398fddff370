#include "RecordingWindow.h"

namespace recording {
namespace {

thread_local std::vector<UINT> received;
thread_local Answer answer;
thread_local std::vector<HWND> made;

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  received.push_back(message);
  if (answer) {
    if (std::optional<LRESULT> result = answer(window, message, wParam, lParam)) return *result;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

bool MarksLife(UINT message) {
  return message == WM_NCCREATE || message == WM_CREATE || message == WM_CLOSE ||
         message == WM_DESTROY || message == WM_NCDESTROY;
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

HWND Create(DWORD style, RECT outer, LPVOID parameter) {
  HWND window = CreateWindowExW(0, WideText(className), WideText(u"Recorded"), style, outer.left,
                                outer.top, outer.right - outer.left, outer.bottom - outer.top,
                                nullptr, nullptr, nullptr, parameter);
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

std::vector<UINT> LifeMessages() {
  std::vector<UINT> life;
  for (UINT message : received) {
    if (MarksLife(message)) life.push_back(message);
  }
  return life;
}

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

std::vector<Seen> RetrieveSeen(int count) {
  std::vector<Seen> seen;
  for (const MSG& message : Retrieve(count)) seen.push_back(SeenOf(message));
  return seen;
}

std::vector<Seen> RetrieveUntimed(int count) {
  std::vector<Seen> seen;
  for (const MSG& message : Retrieve(count)) seen.push_back(UntimedSeenOf(message));
  return seen;
}

}  // namespace recording
