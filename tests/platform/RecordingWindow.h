// A window class for the platform tests whose procedure writes down every
// message it gets, and a way to read the queue the way a message loop does.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "HeadlessFixture.h"
#include "Seen.h"
#include "platform/Windows.h"

namespace recording {

inline constexpr LPCWSTR className = u"Recording";

// Registers the class; call it after each reset of the desktop.
void RegisterRecordingClass();
// A window of the class, with the given style and outer rectangle.
HWND Create(DWORD style = WS_POPUP, RECT outer = RECT{0, 0, 200, 100}, LPVOID parameter = nullptr);

// The messages the procedure has received on this thread, oldest first.
std::vector<UINT>& Received();
// Decides what the procedure returns; with no answer (or none set) the message
// goes to DefWindowProcW.
using Answer = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;
void SetAnswer(Answer answer);
// The procedure answers `message` with `result`, everything else the default way.
void AnswerWith(UINT message, LRESULT result);

// GetMessageW `count` times; the messages in the order they came.
std::vector<MSG> Retrieve(int count);
// The same, as tests compare them.
std::vector<Seen> RetrieveSeen(int count);

}  // namespace recording

// A fresh desktop with one recording window, placed as the game's window is on a
// 1024 x 768 screen.
class RecordingWindowTest : public HeadlessFixture {
 protected:
  void SetUp() override {
    HeadlessFixture::SetUp();
    recording::RegisterRecordingClass();
    platform_test::SetScreenSize(1024, 768);
    window_ = recording::Create(0x80CB0000, RECT{-3, -14, 1027, 783});
    ASSERT_NE(window_, nullptr);
  }

  HWND window_ = nullptr;
};
