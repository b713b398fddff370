// Messages across threads: posts from another thread wake the thread that made
// the window, and each thread has a queue of its own. The same on the
// stand-ins and on Windows itself.
#include <atomic>
#include <thread>

#include "RecordingWindow.h"

namespace {

using MessageDeliveryThreads = RecordingTest;

TEST_F(MessageDeliveryThreads, PostingFromAnotherThreadWakesTheWaitingThread) {
  constexpr int count = 200;
  HWND window = recording::Create();
  std::thread poster([window] {
    for (int i = 0; i < count; ++i) PostMessageW(window, WM_USER, WPARAM(i), 0);
  });
  std::vector<Seen> received = recording::RetrieveSeen(count, false);
  poster.join();

  std::vector<Seen> expected;
  for (int i = 0; i < count; ++i) expected.push_back(Seen{WM_USER, WPARAM(i)});
  EXPECT_EQ(received, expected);
}

TEST_F(MessageDeliveryThreads, EveryThreadHasItsOwnQueue) {
  HWND window = recording::Create();
  std::atomic<UINT> workerGot{0};
  std::thread worker([&] {
    PostMessageW(nullptr, WM_APP + 1, 0, 0);  // to the worker itself
    PostMessageW(window, WM_APP + 2, 0, 0);   // to the window's thread
    MSG message{};
    GetMessageW(&message, nullptr, 0, 0);
    workerGot = message.message;
  });
  worker.join();

  EXPECT_EQ(workerGot, UINT(WM_APP + 1));
  EXPECT_EQ(recording::RetrieveSeen(1, false), std::vector<Seen>{{WM_APP + 2}});
}

}  // namespace
