// Holds the preloader's thread at one file of Data\: the file is replaced by a
// named pipe, and opening a pipe for reading waits until someone opens it for
// writing. Open() lets the reader through and hands it the file's bytes.
#pragma once

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>
#include <vector>

class FileGate {
 public:
  explicit FileGate(std::filesystem::path file);
  FileGate(const FileGate&) = delete;
  FileGate& operator=(const FileGate&) = delete;
  // Gives up on a reader that never came, and waits for the writer.
  ~FileGate();

  // From another thread, after `delay`: waits for the reader, writes the
  // bytes and closes. Opening an open gate changes nothing.
  void Open(std::chrono::milliseconds delay = std::chrono::milliseconds(0));
  // Stops waiting for a reader, lets the writer finish, and tells whether a
  // reader came through and received the bytes. Asked after the reader's side
  // is done, so the answer does not depend on how the threads were scheduled.
  bool Passed();

 private:
  void Write(std::chrono::milliseconds delay);

  std::filesystem::path file_;
  std::vector<char> bytes_;
  std::atomic<bool> givingUp_{false};
  std::atomic<bool> passed_{false};
  std::thread writer_;
};
