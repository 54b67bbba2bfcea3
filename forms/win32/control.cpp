#include "forms/win32/win32_form.h"
// windows.h first: commctrl.h and oleacc.h need its types.
#include <commctrl.h>
#include <oleacc.h>

#include "forms/win32/text.h"

namespace velmora::forms::win32 {

Win32Control::Win32Control(const ControlRow& row, HWND window)
    : row_(row), array_(row.array), window_(window) {
  row_.array = array_;
  if (row.back_color) SetBackColor(*row.back_color);
}

Win32Control::~Win32Control() {
  if (back_brush_) DeleteObject(back_brush_);
}

void Win32Control::SetBackColor(ColorValue color) {
  if (back_brush_ && row_.back_color == color) return;
  if (back_brush_) DeleteObject(back_brush_);
  back_brush_ = CreateSolidBrush(ToColorRef(color));
  row_.back_color = color;
  InvalidateRect(window_, nullptr, TRUE);
}

void Win32Control::SetText(std::string_view text) {
  row_.text = text;
  UpdateWindowText();
}

void Win32Control::SetAccessibleName(std::string_view name) {
  row_.accessible_name = name;
  UpdateWindowText();
}

void Win32Control::UpdateWindowText() {
  // A graphical button paints its caption itself, so its window text is free to carry the
  // name a screen reader reads; labels and text boxes show their window text.
  const bool named = row_.kind == ControlKind::kGraphicalButton && !row_.accessible_name.empty();
  SetWindowTextW(window_, Widen(named ? row_.accessible_name : row_.text).c_str());
  if (row_.kind == ControlKind::kGraphicalButton) InvalidateRect(window_, nullptr, FALSE);
}

void Win32Control::SetToolTip(std::string_view text) {
  row_.tool_tip = text;
  NotifyDescriptionChanged(window_);
  if (!tooltips_) return;
  std::wstring wide = Widen(text);
  TOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;  // understood with and without common controls 6
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = GetParent(window_);
  tool.uId = reinterpret_cast<UINT_PTR>(window_);
  tool.lpszText = wide.data();
  if (!has_tool_) {
    has_tool_ = SendMessageW(tooltips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) != 0;
  } else {
    SendMessageW(tooltips_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

void Win32Control::SetChecked(bool checked) {
  if (row_.checked == checked) return;
  row_.checked = checked;
  NotifyStateChanged(window_);
}

std::wstring Win32Control::AccessibleName() const {
  return Widen(row_.accessible_name);
}

// A graphical button is an owner-drawn one, which the system may not know for a button.
long Win32Control::Role() const {
  if (row_.kind != ControlKind::kGraphicalButton) return 0;
  return row_.checkable ? ROLE_SYSTEM_CHECKBUTTON : ROLE_SYSTEM_PUSHBUTTON;
}

std::wstring Win32Control::AccessibleDescription() const {
  return Widen(row_.tool_tip);
}

}  // namespace velmora::forms::win32
