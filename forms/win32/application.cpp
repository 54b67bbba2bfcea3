#include "forms/application.h"

#include <windows.h>

#include "common/run_time_error.h"
#include "forms/win32/failure.h"
#include "forms/win32/win32_form.h"

namespace velmora::forms {

struct Application::Toolkit {};

std::optional<std::string> Application::UnreachableDisplay() {
  return std::nullopt;  // Windows always has its desktop
}

Application::Application(const AppIdentity&) : toolkit_(std::make_unique<Toolkit>()) {
  // The program's name, version and icon are in its version record and resources; Windows
  // speaks the user's language in its own texts, the captions of message boxes among them.
  SetRunTimeErrorReporter(win32::ShowRunTimeError);
}
Application::~Application() {
  SetRunTimeErrorReporter(nullptr);
}

std::unique_ptr<Form> Application::NewForm() {
  return std::make_unique<win32::Win32Form>();
}

int Application::Run() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (win32::HandleButtonKey(message)) continue;
    // The dialog manager gives the form Tab, Shift+Tab and Space.
    HWND form = GetAncestor(message.hwnd, GA_ROOT);
    if (form && IsDialogMessageW(form, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace velmora::forms
