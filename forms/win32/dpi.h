#pragma once

#include <windows.h>

#include "forms/form.h"

// What the window's size and fonts depend on: the screen's dots per inch, per window where
// Windows tells it (8.1 and later), else one for everything.
namespace velmora::forms::win32 {

/// The dots per inch `window` is shown at.
UINT DpiOf(HWND window);
/// Grows a client rectangle to the window's, frame and caption included, at `dpi`.
void AdjustForDpi(RECT* rect, DWORD style, UINT dpi);
/// `font` made for `dpi`; the caller deletes it.
HFONT MakeFont(const Font& font, UINT dpi);

}  // namespace velmora::forms::win32
