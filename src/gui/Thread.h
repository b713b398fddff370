// Background work as an object: the body of one worker thread.
#pragma once

namespace CorvelGUI {

class IThread {
 public:
  virtual void Run() = 0;

 protected:
  ~IThread() = default;
};

}  // namespace CorvelGUI
