// A window that cannot be made, and a run-time error: each told in a message box.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>

#include "common/run_time_error.h"
#include "forms/application.h"
#include "forms/win32/failure.h"
#include "forms/win32/text.h"

#include "tests/forms/win32/win32_form_fixture.h"

namespace velmora {
namespace {

// Window makers that refuse windows of one class, as a system out of resources would.
template <const wchar_t* kRefused>
HWND WINAPI Refusing(DWORD ex_style, LPCWSTR window_class, LPCWSTR text, DWORD style, int left,
                     int top, int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     LPVOID param) {
  const bool named = HIWORD(reinterpret_cast<ULONG_PTR>(window_class)) != 0;
  if (named && lstrcmpiW(window_class, kRefused) == 0) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  return CreateWindowExW(ex_style, window_class, text, style, left, top, width, height, parent,
                         menu, instance, param);
}
constexpr wchar_t kFormClass[] = L"VelmoraForm";
constexpr wchar_t kEditClass[] = L"Edit";

// Copies the text of the first message box titled "Velmora" to standard error, then presses
// its OK button.
DWORD WINAPI ReadAndCloseMessageBox(void*) {
  for (int tries = 0; tries < 200; ++tries, Sleep(50)) {
    HWND box = FindWindowW(L"#32770", L"Velmora");
    if (!box) continue;
    constexpr int kMessageText = 0xFFFF;  // the box's static text
    wchar_t text[256] = {};
    GetDlgItemTextW(box, kMessageText, text, 256);
    std::fprintf(stderr, "box: %s\n", forms::win32::Narrow(text).c_str());
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    return 0;
  }
  return 1;
}

TEST(Win32FailureDeathTest, AWindowThatCannotBeMadeEndsTheProgramWithStatusOne) {
  ::testing::GTEST_FLAG(death_test_style) = "threadsafe";
  EXPECT_EXIT(
      {
        forms::win32::SetWindowMakerForTesting(Refusing<kFormClass>);
        forms::win32::Win32Form form;
      },
      ::testing::ExitedWithCode(1),
      "Velmora не може да отвори прозореца си: прозорецът не може да бъде създаден");
  EXPECT_EXIT(
      {
        forms::win32::SetWindowMakerForTesting(Refusing<kEditClass>);
        forms::win32::Win32Form form;
        MainWindow window(form);
      },
      ::testing::ExitedWithCode(1), "елемент на прозореца не може да бъде създаден");
}

// With the program's Application, a run-time error is told in a message box, as a program
// started from the desktop has no console.
TEST(Win32FailureDeathTest, ARunTimeErrorIsToldInAMessageBox) {
  ::testing::GTEST_FLAG(death_test_style) = "threadsafe";
  EXPECT_EXIT(
      {
        forms::Application application({});
        CloseHandle(CreateThread(nullptr, 0, ReadAndCloseMessageBox, nullptr, 0, nullptr));
        RunTimeError("cell index 64 is outside 0..63");
      },
      ::testing::ExitedWithCode(1), "box: cell index 64 is outside 0\\.\\.63");
}

}  // namespace
}  // namespace velmora
