#include "forms/win32/failure.h"

#include <string>

#include "common/run_time_error.h"
#include "forms/win32/text.h"

namespace velmora::forms::win32 {

namespace {

WindowMaker window_maker = CreateWindowExW;

}  // namespace

void SetWindowMakerForTesting(WindowMaker maker) {
  window_maker = maker ? maker : CreateWindowExW;
}

HWND CreateWindowChecked(DWORD ex_style, const wchar_t* window_class, const wchar_t* text,
                         DWORD style, int left, int top, int width, int height, HWND parent,
                         HMENU menu, void* param, const wchar_t* what) {
  HWND window = window_maker(ex_style, window_class, text, style, left, top, width, height, parent,
                             menu, GetModuleHandleW(nullptr), param);
  if (!window) FailToCreate(what);
  return window;
}

void FailToCreate(const wchar_t* what) {
  const DWORD error = GetLastError();
  std::wstring message = L"Velmora не може да отвори прозореца си: ";
  message += what;
  message += L" не може да бъде създаден";
  wchar_t reason[256] = {};
  if (error && FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                              error, 0, reason, 256, nullptr)) {
    message += L" (";
    message += reason;
    while (message.back() == L'\n' || message.back() == L'\r') message.pop_back();
    message += L")";
  }
  message += L".";
  RunTimeError(Narrow(message));
}

void ShowRunTimeError(std::string_view message) {
  MessageBoxW(nullptr, Widen(message).c_str(), L"Velmora",
              MB_OK | MB_ICONERROR | MB_SETFOREGROUND | MB_TASKMODAL);
}

}  // namespace velmora::forms::win32
