#include "forms/win32/win32_form.h"
// windows.h first: commctrl.h and oleacc.h need its types.
#include <commctrl.h>
#include <oleacc.h>

#include "forms/button_face.h"
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
  if (row_.accessible_description.empty()) NotifyDescriptionChanged(window_);
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

void Win32Control::SetAccessibleDescription(std::string_view description) {
  if (row_.accessible_description == description) return;
  row_.accessible_description = description;
  NotifyDescriptionChanged(window_);
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

// A graphical button is pressed; one that is on or off toggles, as a screen reader tells it.
const wchar_t* Win32Control::DefaultAction() const {
  if (row_.kind != ControlKind::kGraphicalButton) return nullptr;
  return row_.checkable ? L"Toggle" : L"Press";
}

bool Win32Control::IsClick(UINT code) const {
  if (!IsWindowEnabled(window_)) return false;
  switch (row_.kind) {
    case ControlKind::kGraphicalButton:
      return code == BN_CLICKED || code == BN_DOUBLECLICKED;
    case ControlKind::kLabel:
      return code == STN_CLICKED;
    case ControlKind::kTextBox:
      return false;
  }
  return false;
}

namespace {

void FillEdge(HDC dc, int left, int top, int right, int bottom, COLORREF color) {
  const RECT edge{left, top, right, bottom};
  SetBkColor(dc, color);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &edge, nullptr, 0, nullptr);
}

}  // namespace

void Win32Control::Draw(const DRAWITEMSTRUCT& item, double scale) const {
  HDC dc = item.hDC;
  const RECT& face = item.rcItem;
  const ColorValue color = row_.back_color.value_or(kWhite);
  FillEdge(dc, face.left, face.top, face.right, face.bottom, ToColorRef(color));

  const bool sunk = item.itemState & ODS_SELECTED;
  const ButtonFace look = ButtonFace::Of(color, !(item.itemState & ODS_DISABLED), sunk, scale);
  const int edge = look.frame_thickness;
  const COLORREF top_left = ToColorRef(look.top_left), bottom_right = ToColorRef(look.bottom_right);
  FillEdge(dc, face.left, face.top, face.right, face.top + edge, top_left);
  FillEdge(dc, face.left, face.top, face.left + edge, face.bottom, top_left);
  FillEdge(dc, face.left, face.bottom - edge, face.right, face.bottom, bottom_right);
  FillEdge(dc, face.right - edge, face.top, face.right, face.bottom, bottom_right);

  // The caption is painted here: the window text of a graphical button is its accessible name.
  if (!row_.text.empty()) {
    RECT text = face;
    if (sunk) OffsetRect(&text, 1, 1);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(look.caption));
    DrawTextW(dc, Widen(row_.text).c_str(), -1, &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
  if (item.itemState & ODS_FOCUS) {
    // The dotted mark, every other pixel.
    const COLORREF mark = ToColorRef(look.focus_mark);
    const int inset = look.focus_inset;
    const RECT ring{face.left + inset, face.top + inset, face.right - inset - 1,
                    face.bottom - inset - 1};
    for (int x = ring.left; x <= ring.right; x += 2) {
      SetPixelV(dc, x, ring.top, mark);
      SetPixelV(dc, x, ring.bottom, mark);
    }
    for (int y = ring.top; y <= ring.bottom; y += 2) {
      SetPixelV(dc, ring.left, y, mark);
      SetPixelV(dc, ring.right, y, mark);
    }
  }
}

HBRUSH Win32Control::Colors(HDC dc) const {
  if (back_brush_) {
    SetTextColor(dc, ToColorRef(kTextOnFixedFace));
    SetBkColor(dc, ToColorRef(*row_.back_color));
    return back_brush_;
  }
  // Read-only text boxes keep the colours of a text box, face and text together, as the Qt
  // window shows them; a dark scheme makes both dark and light.
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, GetSysColor(COLOR_WINDOW));
  return GetSysColorBrush(COLOR_WINDOW);
}

std::wstring Win32Control::AccessibleDescription() const {
  return Widen(row_.accessible_description.empty() ? row_.tool_tip : row_.accessible_description);
}

}  // namespace velmora::forms::win32
