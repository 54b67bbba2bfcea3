// The main window on the Win32 backend, made and shown as the program makes it, driven
// through real windows and messages (under Wine here, in an X server): what its tests share.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "forms/win32/win32_form.h"
#include "window/main_window.h"

namespace velmora {

class Win32FormTest : public ::testing::Test {
 protected:
  void SetUp() override { form_.Show(); }

  HWND Window(const char* array, int index) const {
    const forms::win32::Win32Control* control = form_.Find(array, index);
    if (!control) ADD_FAILURE() << array << "(" << index << ") does not exist";
    return control ? control->window() : nullptr;
  }
  std::string ValueBox(int column) const {
    char text[16] = {};
    GetWindowTextA(Window("Text2", column), text, sizeof text);
    return text;
  }
  // A key as the message loop gets it, first to the backend's keys, then the dialog manager.
  void Key(WPARAM key, bool repeated = false) {
    MSG message{GetFocus(), WM_KEYDOWN, key, repeated ? LPARAM{1} << 30 : 1, 0, {}};
    if (!forms::win32::HandleButtonKey(message)) IsDialogMessageW(form_.window(), &message);
  }

  forms::win32::Win32Form form_;
  MainWindow window_{form_};
};

}  // namespace velmora
