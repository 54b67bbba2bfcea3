#include "forms/win32/win32_form.h"

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <iterator>

#include "forms/button_face.h"
#include "forms/win32/failure.h"
#include "forms/win32/text.h"

namespace velmora::forms::win32 {

namespace {

constexpr wchar_t kFormClass[] = L"VelmoraForm";
constexpr int kFirstControlId = 100;
constexpr DWORD kFormStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

COLORREF ToColorRef(ColorValue color) {
  return RGB(RedOf(color), GreenOf(color), BlueOf(color));  // the same 0x00BBGGRR layout
}

// Functions of newer Windows, looked up at run time so that the program starts on every
// Windows; older ones have one DPI for everything.
template <typename Function>
Function User32Function(const char* name) {
  return reinterpret_cast<Function>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

UINT DpiOf(HWND window) {
  static const auto get_dpi = User32Function<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
  if (get_dpi) return get_dpi(window);
  HDC screen = GetDC(nullptr);
  const UINT dpi = static_cast<UINT>(GetDeviceCaps(screen, LOGPIXELSY));
  ReleaseDC(nullptr, screen);
  return dpi;
}

void AdjustForDpi(RECT* rect, DWORD style, UINT dpi) {
  static const auto adjust =
      User32Function<BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
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

bool IsGraphicalButton(HWND window) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  return lstrcmpiW(name, WC_BUTTONW) == 0 &&
         (GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW;
}

// Controls whose behaviour the form changes get their messages through a procedure of the
// form's first (comctl32's subclassing), which hands on what it leaves to DefSubclassProc.
constexpr UINT_PTR kBehaviourSubclass = 0x5642;  // "VB"

void Subclass(HWND window, SUBCLASSPROC procedure) {
  SetWindowSubclass(window, procedure, kBehaviourSubclass, 0);
}

// A read-only box of several lines wants every key, Tab too; the user must be able to Tab
// out of it, so it is told to leave Tab to the dialog manager. Nor does it ask to have all
// its text selected when Tab brings the focus, which would scroll it to its end: the reader
// finds it as it was.
LRESULT CALLBACK LetTabThrough(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                               DWORD_PTR) {
  if (message == WM_NCDESTROY) RemoveWindowSubclass(window, LetTabThrough, id);
  LRESULT result = DefSubclassProc(window, message, wparam, lparam);
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
LRESULT CALLBACK ClickOnRelease(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                UINT_PTR id, DWORD_PTR) {
  switch (message) {
    case WM_NCDESTROY:
      RemoveWindowSubclass(window, ClickOnRelease, id);
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
  return DefSubclassProc(window, message, wparam, lparam);
}

struct WindowKind {
  const wchar_t* window_class;
  DWORD style;
  DWORD ex_style;
};

WindowKind KindOf(const ControlRow& row) {
  const DWORD align = row.alignment == Alignment::kCenter ? SS_CENTER : SS_LEFT;
  switch (row.kind) {
    case ControlKind::kGraphicalButton:
      return {WC_BUTTONW, BS_OWNERDRAW | WS_TABSTOP, 0};
    case ControlKind::kLabel:
      return {WC_STATICW, align | SS_NOTIFY | SS_NOPREFIX, 0};
    case ControlKind::kTextBox: {
      DWORD style = WS_TABSTOP | (row.read_only ? ES_READONLY : 0);
      if (row.multi_line) {
        style |= ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL;
      } else {
        style |= ES_AUTOHSCROLL | (row.alignment == Alignment::kCenter ? ES_CENTER : ES_LEFT);
      }
      return {WC_EDITW, style, WS_EX_CLIENTEDGE};
    }
  }
  return {WC_STATICW, 0, 0};
}

void FillEdge(HDC dc, int left, int top, int right, int bottom, COLORREF color) {
  const RECT edge{left, top, right, bottom};
  SetBkColor(dc, color);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &edge, nullptr, 0, nullptr);
}

}  // namespace

// ---- Win32Control

Win32Control::Win32Control(const ControlRow& row, HWND window)
    : row_(row), array_(row.array), window_(window), checked_(row.checked) {
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
  caption_ = Widen(text);
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
  SetWindowTextW(window_, named ? Widen(row_.accessible_name).c_str() : caption_.c_str());
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
  if (checked_ == checked) return;
  checked_ = checked;
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

void Win32Control::SetEnabled(bool enabled) {
  row_.enabled = enabled;
  EnableWindow(window_, enabled);
}

void Win32Control::SetVisible(bool visible) {
  row_.visible = visible;
  ShowWindow(window_, visible ? SW_SHOW : SW_HIDE);
}

// ---- Win32Form

Win32Form::Win32Form() {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW window_class{};
  if (!GetClassInfoExW(instance, kFormClass, &window_class)) {
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = WindowProc;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.lpszClassName = kFormClass;
    if (!RegisterClassExW(&window_class)) FailToCreate(L"the window class");
  }
  window_ = CreateWindowChecked(WS_EX_CONTROLPARENT, kFormClass, L"", kFormStyle, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, this,
                                L"the window");
  dpi_ = DpiOf(window_);
  tooltips_ =
      CreateWindowChecked(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                          WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, nullptr, L"the tooltips");
}

Win32Form::~Win32Form() {
  if (window_) DestroyWindow(window_);
  controls_.clear();
  for (auto& [font, handle] : fonts_) DeleteObject(handle);
  for (HICON icon : icons_) {
    if (icon) DestroyIcon(icon);
  }
  if (back_brush_) DeleteObject(back_brush_);
}

LRESULT CALLBACK Win32Form::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* form = reinterpret_cast<Win32Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!form || !form->window_) return DefWindowProcW(window, message, wparam, lparam);
  return form->Handle(message, wparam, lparam);
}

LRESULT Win32Form::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      if (lparam) Command(reinterpret_cast<HWND>(lparam), HIWORD(wparam));
      return 0;
    case WM_DRAWITEM:
      DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
      return TRUE;
    case WM_CTLCOLORSTATIC:
      return ColorStatic(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(window_, &client);
      FillRect(reinterpret_cast<HDC>(wparam), &client,
               back_brush_ ? back_brush_ : GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
    case WM_DPICHANGED:
      ChangeDpi(HIWORD(wparam), reinterpret_cast<const RECT*>(lparam));
      return 0;
    case WM_DESTROY:
      window_ = nullptr;
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window_, message, wparam, lparam);
}

Win32Control* Win32Form::ControlOf(HWND child) const {
  const int place = GetDlgCtrlID(child) - kFirstControlId;
  if (place < 0 || place >= static_cast<int>(controls_.size())) return nullptr;
  return controls_[place]->window() == child ? controls_[place].get() : nullptr;
}

Win32Control* Win32Form::Find(std::string_view array, int index) const {
  for (const auto& control : controls_) {
    if (control->row().array == array && control->row().index == index) return control.get();
  }
  return nullptr;
}

void Win32Form::Command(HWND child, UINT code) {
  const Win32Control* control = ControlOf(child);
  // A disabled control takes no click from anywhere, as in Qt: a BM_CLICK sent to it, from
  // an automation tool or a screen reader's default action, still makes it notify.
  if (!control || !IsWindowEnabled(child)) return;
  // A quick second click on a button comes as a double click: it is a click all the same.
  const ControlKind kind = control->row().kind;
  const bool click =
      (kind == ControlKind::kGraphicalButton && (code == BN_CLICKED || code == BN_DOUBLECLICKED)) ||
      (kind == ControlKind::kLabel && code == STN_CLICKED);
  if (click) handlers_.Click(control->row().array, control->row().index);
}

void Win32Form::DrawButton(const DRAWITEMSTRUCT& item) const {
  const Win32Control* control = ControlOf(item.hwndItem);
  if (!control) return;
  HDC dc = item.hDC;
  const RECT& face = item.rcItem;
  const ColorValue color = control->back_color().value_or(kWhite);
  FillEdge(dc, face.left, face.top, face.right, face.bottom, ToColorRef(color));

  const bool sunk = item.itemState & ODS_SELECTED;
  const ButtonFace look = ButtonFace::Of(color, !(item.itemState & ODS_DISABLED), sunk,
                                         static_cast<double>(dpi_) / USER_DEFAULT_SCREEN_DPI);
  const int edge = look.frame_thickness;
  const COLORREF top_left = ToColorRef(look.top_left), bottom_right = ToColorRef(look.bottom_right);
  FillEdge(dc, face.left, face.top, face.right, face.top + edge, top_left);
  FillEdge(dc, face.left, face.top, face.left + edge, face.bottom, top_left);
  FillEdge(dc, face.left, face.bottom - edge, face.right, face.bottom, bottom_right);
  FillEdge(dc, face.right - edge, face.top, face.right, face.bottom, bottom_right);

  if (!control->caption().empty()) {
    RECT text = face;
    if (sunk) OffsetRect(&text, 1, 1);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(look.caption));
    DrawTextW(dc, control->caption().c_str(), -1, &text,
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

LRESULT Win32Form::ColorStatic(HDC dc, HWND child) const {
  const Win32Control* control = ControlOf(child);
  if (control && control->back_brush()) {
    SetTextColor(dc, ToColorRef(kTextOnFixedFace));
    SetBkColor(dc, ToColorRef(*control->back_color()));
    return reinterpret_cast<LRESULT>(control->back_brush());
  }
  // Read-only text boxes keep the colours of a text box, face and text together, as the Qt
  // window shows them; a dark scheme makes both dark and light.
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, GetSysColor(COLOR_WINDOW));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
}

int Win32Form::Pixels(Twips twips) const {
  return MulDiv(twips, static_cast<int>(dpi_), 1440);
}

RECT Win32Form::PixelRect(const ControlRow& row) const {
  return {Pixels(row.left), Pixels(row.top), Pixels(row.left + row.width),
          Pixels(row.top + row.height)};
}

HFONT Win32Form::FontFor(const Font* font) {
  const Font& wanted = font ? *font : font_;
  for (const auto& [made, handle] : fonts_) {
    if (made.family == wanted.family && made.points == wanted.points &&
        made.weight == wanted.weight && made.charset == wanted.charset) {
      return handle;
    }
  }
  return fonts_.emplace_back(wanted, MakeFont(wanted, dpi_)).second;
}

void Win32Form::ResizeToClientArea() {
  RECT frame{0, 0, Pixels(client_width_), Pixels(client_height_)};
  AdjustForDpi(&frame, kFormStyle, dpi_);
  SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Form::ChangeDpi(UINT dpi, const RECT* suggested) {
  dpi_ = dpi;
  // The controls take the fonts made for the new DPI before the old ones are deleted.
  std::vector<std::pair<Font, HFONT>> old_fonts;
  old_fonts.swap(fonts_);
  SetWindowPos(window_, nullptr, suggested->left, suggested->top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ResizeToClientArea();
  for (const auto& control : controls_) {
    const RECT place = PixelRect(control->row());
    SetWindowPos(control->window(), nullptr, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(control->window(), WM_SETFONT,
                 reinterpret_cast<WPARAM>(FontFor(control->row().font)), TRUE);
  }
  for (auto& [font, handle] : old_fonts) DeleteObject(handle);
}

void Win32Form::SetCaption(std::string_view caption) {
  SetWindowTextW(window_, Widen(caption).c_str());
}

std::string Win32Form::Caption() const {
  std::wstring caption(static_cast<size_t>(GetWindowTextLengthW(window_)) + 1, L'\0');
  caption.resize(static_cast<size_t>(
      GetWindowTextW(window_, caption.data(), static_cast<int>(caption.size()))));
  return Narrow(caption);
}

void Win32Form::SetClientSize(Twips width, Twips height) {
  client_width_ = width;
  client_height_ = height;
  ResizeToClientArea();
}

void Win32Form::SetBackColor(ColorValue color) {
  if (back_brush_) DeleteObject(back_brush_);
  back_brush_ = CreateSolidBrush(ToColorRef(color));
  InvalidateRect(window_, nullptr, TRUE);
}

void Win32Form::SetFont(const Font& font) {
  font_ = font;
}

void Win32Form::SetIcon(std::string_view name) {
  // The icon resource of the program's own file, in the sizes of the title bar and Alt+Tab.
  const std::wstring resource = Widen(name);
  const int sizes[2][2] = {{GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)},
                           {GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)}};
  const WPARAM which[2] = {ICON_BIG, ICON_SMALL};
  for (int i = 0; i < 2; ++i) {
    if (icons_[i]) DestroyIcon(icons_[i]);
    icons_[i] = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), resource.c_str(),
                                              IMAGE_ICON, sizes[i][0], sizes[i][1], 0));
    SendMessageW(window_, WM_SETICON, which[i], reinterpret_cast<LPARAM>(icons_[i]));
  }
}

Control& Win32Form::AddControl(const ControlRow& row) {
  const WindowKind kind = KindOf(row);
  const RECT place = PixelRect(row);
  const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | kind.style | (row.visible ? WS_VISIBLE : 0) |
                      (row.enabled ? 0 : WS_DISABLED);
  const int id = kFirstControlId + static_cast<int>(controls_.size());
  HWND child =
      CreateWindowChecked(kind.ex_style, kind.window_class, L"", style, place.left, place.top,
                          place.right - place.left, place.bottom - place.top, window_,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, L"a control");
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(row.font)), FALSE);
  if (row.kind == ControlKind::kTextBox && row.multi_line) Subclass(child, LetTabThrough);
  if (row.kind == ControlKind::kLabel) Subclass(child, ClickOnRelease);
  auto& control = controls_.emplace_back(std::make_unique<Win32Control>(row, child));
  control->AttachToolTips(tooltips_);
  AnswerScreenReaders(child, control.get());
  control->SetText(row.text);
  if (!row.tool_tip.empty()) control->SetToolTip(row.tool_tip);
  return *control;
}

void Win32Form::OnClick(std::string_view array, ClickHandler handler) {
  handlers_.Set(array, std::move(handler));
}

void Win32Form::SetTabOrder(const std::vector<Control*>& order) {
  // The dialog manager walks the controls in their z-order, top first.
  tab_order_ = order;
  HWND previous = HWND_TOP;
  for (Control* control : order) {
    HWND child = static_cast<Win32Control*>(control)->window();
    SetWindowPos(child, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    previous = child;
  }
}

MsgBoxResult Win32Form::MsgBox(const MsgBoxRequest& box) {
  const std::wstring prompt = Widen(box.prompt), title = Widen(box.title);
  MSGBOXPARAMSW params{};
  params.cbSize = sizeof params;
  params.hwndOwner = window_;
  params.hInstance = GetModuleHandleW(nullptr);
  params.lpszText = prompt.c_str();
  params.lpszCaption = title.c_str();
  params.dwStyle = (box.buttons == MsgBoxButtons::kOkCancel ? MB_OKCANCEL : MB_OK) | MB_DEFBUTTON1 |
                   MB_APPLMODAL;
  params.dwContextHelpId = static_cast<DWORD_PTR>(box.help_context);
  return MessageBoxIndirectW(&params) == IDCANCEL ? MsgBoxResult::kCancel : MsgBoxResult::kOk;
}

void Win32Form::Show() {
  ShowWindow(window_, SW_SHOWDEFAULT);
  for (Control* control : tab_order_) {
    HWND child = static_cast<Win32Control*>(control)->window();
    if (IsWindowEnabled(child) && IsWindowVisible(child)) {
      SetFocus(child);
      break;
    }
  }
  UpdateWindow(window_);
}

bool Win32Form::MoveFocus(HWND from, Arrow arrow) const {
  const Win32Control* control = ControlOf(from);
  if (!control) return false;
  // The array's elements by index, as Qt keeps the buttons of a group.
  std::vector<ArrowStop> stops;
  std::vector<HWND> windows;
  for (const auto& other : controls_) {
    const ControlRow& row = other->row();
    if (row.array != control->row().array || row.index < 0) continue;
    if (row.index >= static_cast<int>(stops.size())) {
      stops.resize(static_cast<size_t>(row.index) + 1, ArrowStop{0, 0, 0, 0, false});
      windows.resize(stops.size());
    }
    ArrowStop stop = StopOf(row);
    stop.takes_focus = IsWindowEnabled(other->window()) && IsWindowVisible(other->window());
    stops[static_cast<size_t>(row.index)] = stop;
    windows[static_cast<size_t>(row.index)] = other->window();
  }
  const int to = ArrowTarget(stops, control->row().index, arrow);
  if (to >= 0) SetFocus(windows[static_cast<size_t>(to)]);
  return true;
}

bool HandleButtonKey(const MSG& message) {
  if (message.message != WM_KEYDOWN || !IsGraphicalButton(message.hwnd)) return false;
  if (message.wParam == VK_RETURN) {
    // One press, one click: a key held down repeats its WM_KEYDOWN with bit 30 set.
    if (!(message.lParam & (1 << 30))) SendMessageW(message.hwnd, BM_CLICK, 0, 0);
    return true;
  }
  constexpr std::pair<WPARAM, Arrow> kArrowKeys[] = {{VK_LEFT, Arrow::kLeft},
                                                     {VK_RIGHT, Arrow::kRight},
                                                     {VK_UP, Arrow::kUp},
                                                     {VK_DOWN, Arrow::kDown}};
  const auto key = std::find_if(std::begin(kArrowKeys), std::end(kArrowKeys),
                                [&](const auto& entry) { return entry.first == message.wParam; });
  if (key == std::end(kArrowKeys)) return false;
  const Arrow arrow = key->second;
  HWND parent = GetParent(message.hwnd);
  wchar_t parent_class[16] = {};
  GetClassNameW(parent, parent_class, 16);
  if (lstrcmpW(parent_class, kFormClass) != 0) return false;
  const auto* form = reinterpret_cast<const Win32Form*>(GetWindowLongPtrW(parent, GWLP_USERDATA));
  return form && form->MoveFocus(message.hwnd, arrow);
}

}  // namespace velmora::forms::win32
