#include "forms/win32/dpi.h"

#include <string>

#include "forms/win32/system_library.h"
#include "forms/win32/text.h"

namespace velmora::forms::win32 {

UINT DpiOf(HWND window) {
  // Functions of newer Windows; older ones have one DPI for everything.
  static const auto get_dpi = SystemFunction<UINT(WINAPI*)(HWND)>(L"user32.dll", "GetDpiForWindow");
  if (get_dpi) return get_dpi(window);
  HDC screen = GetDC(nullptr);
  const UINT dpi = static_cast<UINT>(GetDeviceCaps(screen, LOGPIXELSY));
  ReleaseDC(nullptr, screen);
  return dpi;
}

void AdjustForDpi(RECT* rect, DWORD style, UINT dpi) {
  static const auto adjust = SystemFunction<BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT)>(
      L"user32.dll", "AdjustWindowRectExForDpi");
  if (adjust) {
    adjust(rect, style, FALSE, 0, dpi);
  } else {
    AdjustWindowRectEx(rect, style, FALSE, 0);
  }
}

HFONT MakeFont(const Font& font, UINT dpi) {
  LOGFONTW log{};
  log.lfHeight = -static_cast<LONG>(font.points * dpi / 72.0 + 0.5);
  log.lfWeight = font.weight;
  log.lfCharSet = static_cast<BYTE>(font.charset);
  log.lfOutPrecision = OUT_DEFAULT_PRECIS;
  log.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  log.lfQuality = DEFAULT_QUALITY;
  // Where the face is missing, the family hint picks a twin of the same kind.
  log.lfPitchAndFamily = font.family.find("Times") != std::string::npos ? FF_ROMAN | VARIABLE_PITCH
                                                                        : FF_SWISS | VARIABLE_PITCH;
  const std::wstring face = Widen(font.family);
  lstrcpynW(log.lfFaceName, face.c_str(), LF_FACESIZE);
  return CreateFontIndirectW(&log);
}

}  // namespace velmora::forms::win32
