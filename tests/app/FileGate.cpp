#include "FileGate.h"

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <iterator>

FileGate::FileGate(std::filesystem::path file) : file_(std::move(file)) {
  std::ifstream in(file_, std::ios::binary);
  bytes_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  in.close();
  std::filesystem::remove(file_);
  ::mkfifo(file_.c_str(), 0644);
}

FileGate::~FileGate() { Passed(); }

bool FileGate::Passed() {
  givingUp_ = true;
  if (writer_.joinable()) writer_.join();
  return passed_;
}

void FileGate::Open(std::chrono::milliseconds delay) {
  if (writer_.joinable()) return;  // open already
  writer_ = std::thread([this, delay] { Write(delay); });
}

void FileGate::Write(std::chrono::milliseconds delay) {
  // A reader may close the pipe before it has taken every byte (a sound file
  // of a pipe has size 0): the write then fails instead of ending the process.
  sigset_t brokenPipe;
  sigemptyset(&brokenPipe);
  sigaddset(&brokenPipe, SIGPIPE);
  pthread_sigmask(SIG_BLOCK, &brokenPipe, nullptr);
  std::this_thread::sleep_for(delay);
  // Without a reader, a non-blocking open for writing fails with ENXIO.
  int pipe = -1;
  while ((pipe = ::open(file_.c_str(), O_WRONLY | O_NONBLOCK)) < 0) {
    if (errno != ENXIO || givingUp_) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  ::fcntl(pipe, F_SETFL, 0);
  for (std::size_t written = 0; written < bytes_.size();) {
    ssize_t put = ::write(pipe, bytes_.data() + written, bytes_.size() - written);
    if (put <= 0) break;
    written += static_cast<std::size_t>(put);
  }
  passed_ = true;
  ::close(pipe);
}
