#include "forms/win32/behaviours.h"

#include "forms/win32/common_controls.h"

namespace velmora::forms::win32 {

bool IsGraphicalButton(HWND window) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  return lstrcmpiW(name, WC_BUTTONW) == 0 &&
         (GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW;
}

namespace {

// Controls whose behaviour the form changes get their messages through a procedure of the
// form's first (comctl32's subclassing), which hands on what it leaves to DefSubclassProc.
constexpr UINT_PTR kBehaviourSubclass = 0x5642;  // "VB"

void Subclass(HWND window, SUBCLASSPROC procedure) {
  CommonControlsLibrary().set_window_subclass(window, procedure, kBehaviourSubclass, 0);
}

// A box of several lines wants every key, Tab too; the user must be able to Tab out of it, so
// it is told to leave Tab to the dialog manager. Nor does a box ask to have all its text
// selected when Tab brings the focus, which would scroll the assignment to its end and have a
// screen reader read a value box's number as a selection: the reader finds it as it was.
LRESULT CALLBACK LetTabThroughProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                   UINT_PTR id, DWORD_PTR) {
  if (message == WM_NCDESTROY)
    CommonControlsLibrary().remove_window_subclass(window, LetTabThroughProc, id);
  LRESULT result = CommonControlsLibrary().def_subclass_proc(window, message, wparam, lparam);
  if (message == WM_GETDLGCODE) {
    result &= ~DLGC_HASSETSEL;
    const auto* key = reinterpret_cast<const MSG*>(lparam);
    if (!key || key->wParam == VK_TAB) {
      result &= ~(DLGC_WANTALLKEYS | DLGC_WANTTAB | DLGC_WANTMESSAGE);
    }
  }
  return result;
}

// A label tells of a click when the button is pressed on it; a click is a press and a
// release on the label, as with a button, so the label holds the mouse from the press and
// reports the click on a release inside it.
LRESULT CALLBACK ClickOnReleaseProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                    UINT_PTR id, DWORD_PTR) {
  switch (message) {
    case WM_NCDESTROY:
      CommonControlsLibrary().remove_window_subclass(window, ClickOnReleaseProc, id);
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetCapture(window);
      return 0;
    case WM_LBUTTONUP:
      if (GetCapture() == window) {
        ReleaseCapture();
        RECT area;
        GetClientRect(window, &area);
        const POINT at{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
        if (PtInRect(&area, at)) {
          SendMessageW(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), STN_CLICKED),
                       reinterpret_cast<LPARAM>(window));
        }
      }
      return 0;
  }
  return CommonControlsLibrary().def_subclass_proc(window, message, wparam, lparam);
}

}  // namespace

void LetTabThrough(HWND text_box) {
  Subclass(text_box, LetTabThroughProc);
}

void ClickOnRelease(HWND label) {
  Subclass(label, ClickOnReleaseProc);
}

}  // namespace velmora::forms::win32
