#pragma once

#include <windows.h>

// How the form's controls behave where Windows' own controls do otherwise.
namespace velmora::forms::win32 {

/// Whether `window` is one of the form's graphical (owner-drawn) buttons.
bool IsGraphicalButton(HWND window);
/// A text box of several lines, or a read-only one, leaves Tab to the dialog manager and keeps
/// its selection and place when Tab brings the focus: a value box read by a screen reader is
/// its whole number, not a selection, as on Qt.
void LetTabThrough(HWND text_box);
/// A label reports a click (STN_CLICKED) on a release of the button inside it after a press
/// on it, as a button does, not on the press.
void ClickOnRelease(HWND label);

}  // namespace velmora::forms::win32
