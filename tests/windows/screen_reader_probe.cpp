// Asks each control of a running program's window, as a screen reader's first question does,
// for its accessible object (WM_GETOBJECT for the client area), prints how many answered and
// closes the window.
// Usage: screen_reader_probe CAPTION  (exits 1 where no such window is shown within 60 s)
#include <windows.h>

#include <cstdio>

namespace {

struct Count {
  int controls = 0;
  int answered = 0;
};

BOOL CALLBACK Ask(HWND control, LPARAM data) {
  auto* count = reinterpret_cast<Count*>(data);
  ++count->controls;
  DWORD_PTR answer = 0;
  if (SendMessageTimeoutW(control, WM_GETOBJECT, 0, static_cast<LPARAM>(OBJID_CLIENT),
                          SMTO_ABORTIFHUNG, 5000, &answer) &&
      answer != 0) {
    ++count->answered;
  }
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  // The window is shown once its controls are made.
  HWND window = nullptr;
  for (int tries = 0; tries < 600; ++tries) {
    window = FindWindowA(nullptr, argv[1]);
    if (window && IsWindowVisible(window)) break;
    window = nullptr;
    Sleep(100);
  }
  if (!window) {
    std::printf("no window of that caption was shown\n");
    return 1;
  }
  Count count;
  EnumChildWindows(window, Ask, reinterpret_cast<LPARAM>(&count));
  std::printf("%d of %d controls answered\n", count.answered, count.controls);
  PostMessageW(window, WM_CLOSE, 0, 0);
  return 0;
}
