#pragma once

#include <windows.h>

#include <string_view>

namespace velmora::forms::win32 {

/// Makes a window as CreateWindowExW does. Every window of the backend is made through it, so
/// that a test can make creation fail.
HWND CreateWindowChecked(DWORD ex_style, const wchar_t* window_class, const wchar_t* text,
                         DWORD style, int left, int top, int width, int height, HWND parent,
                         HMENU menu, void* param, const wchar_t* what);

/// A run-time error: `what` could not be made, for the system's reason. A window that never
/// appears would leave a process the user cannot end.
[[noreturn]] void FailToCreate(const wchar_t* what);

/// Tells the user of a run-time error in a message box: a program started from the desktop
/// has no console.
void ShowRunTimeError(std::string_view message);

/// Seam for tests: what makes windows.
using WindowMaker = HWND(WINAPI*)(DWORD, LPCWSTR, LPCWSTR, DWORD, int, int, int, int, HWND, HMENU,
                                  HINSTANCE, LPVOID);
void SetWindowMakerForTesting(WindowMaker maker);

}  // namespace velmora::forms::win32
