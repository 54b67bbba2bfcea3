#pragma once

#include <windows.h>

#include <string>

namespace velmora::forms::win32 {

/// Makes a window as CreateWindowExW does. Every window of the backend is made through it, so
/// that a test can make creation fail.
HWND CreateWindowChecked(DWORD ex_style, const wchar_t* window_class, const wchar_t* text,
                         DWORD style, int left, int top, int width, int height, HWND parent,
                         HMENU menu, void* param, const wchar_t* what);

/// Reports that `what` could not be made, with the system's reason, and ends the program with
/// status 1: a window that never appears would leave a process the user cannot end.
[[noreturn]] void FailToCreate(const wchar_t* what);

/// Seams for tests: what makes windows, and what tells the user that one could not be made
/// (a message box unless set).
using WindowMaker = HWND(WINAPI*)(DWORD, LPCWSTR, LPCWSTR, DWORD, int, int, int, int, HWND, HMENU,
                                  HINSTANCE, LPVOID);
void SetWindowMakerForTesting(WindowMaker maker);
using FailureReporter = void (*)(const std::wstring& message);
void SetFailureReporterForTesting(FailureReporter reporter);

}  // namespace velmora::forms::win32
