#include "RecordingWindow.h"

#include <gtest/gtest.h>

namespace recording {
namespace {

thread_local std::vector<UINT> received;
thread_local Answer answer;

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  received.push_back(message);
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
  windowClass.lpszClassName = className;
  ASSERT_NE(RegisterClassExW(&windowClass), 0);
  received.clear();
  answer = nullptr;
}

HWND Create(DWORD style, RECT outer, LPVOID parameter) {
  return CreateWindowExW(0, className, u"Recorded", style, outer.left, outer.top,
                         outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr,
                         nullptr, parameter);
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

std::vector<Seen> RetrieveSeen(int count) {
  std::vector<Seen> seen;
  for (const MSG& message : Retrieve(count)) seen.push_back(SeenOf(message));
  return seen;
}

}  // namespace recording
