// A window class for the platform tests whose procedure writes down the
// messages it gets, and a way to read the queue the way a message loop does.
// It works the same on the stand-ins and on Windows itself.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

#include "Seen.h"
#include "platform/Windows.h"

namespace recording {

inline constexpr char16_t className[] = u"Recording";

// Registers the class unless the process has it already (Windows keeps it until
// the process ends, the stand-ins until the desktop is reset), and forgets what
// was received before.
void RegisterRecordingClass();
// A window of the class, with the given style, outer rectangle and text.
HWND Create(DWORD style = WS_POPUP, RECT outer = RECT{0, 0, 200, 100},
            const char16_t* text = u"Recorded");
// Destroys the windows that Create made on this thread and that still exist.
void DestroyAll();

// The messages the procedure has received on this thread, oldest first: those
// that mark a window's life (creation, closing, destruction), which the program
// relies on, and the program's own from WM_USER on. Windows sends others
// between them, about sizes, activation and painting, which are left out.
std::vector<UINT>& Received();
// Decides what the procedure returns; with no answer (or none set) the message
// goes to DefWindowProcW.
using Answer = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;
void SetAnswer(Answer answer);
// The procedure answers `message` with `result`, everything else the default way.
void AnswerWith(UINT message, LRESULT result);

// GetMessageW `count` times; the messages in the order they came.
std::vector<MSG> Retrieve(int count);
// The same, as tests compare them; without their times where the clock is
// Windows' own.
std::vector<Seen> RetrieveSeen(int count, bool timed = true);

}  // namespace recording

// Each test starts with the recording class registered and nothing received,
// and its windows are destroyed when it ends.
class RecordingTest : public testing::Test {
 protected:
  void SetUp() override { recording::RegisterRecordingClass(); }
  void TearDown() override { recording::DestroyAll(); }
};
