// Connects the main window to the application: the messages the game cares
// about become CApplication calls with decoded arguments.
#pragma once

#include "gui/MessageHandler.h"

class CApplication;

class CMainFormHandler final : public CorvelGUI::IMessageHandler {
 public:
  explicit CMainFormHandler(CApplication* application) : application_(application) {}

  // Handled messages report result 0. Application messages (WM_USER to 0x7FFF)
  // are passed on and still reported as not handled, and everything else,
  // WM_CLOSE included, goes to the default window procedure.
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  CApplication* application_;
};
