// The object that receives every message of one window.
#pragma once

#include "platform/Windows.h"

namespace CorvelGUI {

class IMessageHandler {
 public:
  // True when the message was handled and `result` set; false leaves `result`
  // alone and lets the default window procedure handle the message.
  virtual bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) = 0;

 protected:
  ~IMessageHandler() = default;
};

}  // namespace CorvelGUI
