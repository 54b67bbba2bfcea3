#include "forms/win32/win32_form.h"

#include <commctrl.h>

#include <algorithm>

#include "forms/win32/behaviours.h"
#include "forms/win32/common_controls.h"
#include "forms/win32/dpi.h"
#include "forms/win32/failure.h"
#include "forms/win32/text.h"

namespace velmora::forms::win32 {

namespace {

constexpr int kFirstControlId = 100;
constexpr DWORD kFormStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

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

}  // namespace

// ---- Win32Form

Win32Form::Win32Form() {
  CommonControlsLibrary();  // the tooltips' class, and the buttons' and boxes' version 6
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW window_class{};
  if (!GetClassInfoExW(instance, kFormClass, &window_class)) {
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = WindowProc;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.lpszClassName = kFormClass;
    if (!RegisterClassExW(&window_class)) FailToCreate(L"класът на прозореца");
  }
  window_ = CreateWindowChecked(WS_EX_CONTROLPARENT, kFormClass, L"", kFormStyle, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, this,
                                L"прозорецът");
  dpi_ = DpiOf(window_);
  tooltips_ = CreateWindowChecked(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                  WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                                  nullptr, L"прозорецът за подсказки");
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
    // The controls answer their own notifications; the form hands a click to its array.
    case WM_COMMAND:
      if (const Win32Control* control = ControlOf(reinterpret_cast<HWND>(lparam));
          control && control->IsClick(HIWORD(wparam))) {
        handlers_.Click(control->row().array, control->row().index);
      }
      return 0;
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
      if (const Win32Control* control = ControlOf(item.hwndItem)) {
        control->Draw(item, static_cast<double>(dpi_) / USER_DEFAULT_SCREEN_DPI);
      }
      return TRUE;
    }
    case WM_CTLCOLORSTATIC:
      if (const Win32Control* control = ControlOf(reinterpret_cast<HWND>(lparam))) {
        return reinterpret_cast<LRESULT>(control->Colors(reinterpret_cast<HDC>(wparam)));
      }
      break;
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
  HWND child = CreateWindowChecked(kind.ex_style, kind.window_class, L"", style, place.left,
                                   place.top, place.right - place.left, place.bottom - place.top,
                                   window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   nullptr, L"елемент на прозореца");
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(row.font)), FALSE);
  if (row.kind == ControlKind::kTextBox && (row.multi_line || row.read_only)) LetTabThrough(child);
  if (row.kind == ControlKind::kLabel) ClickOnRelease(child);
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

void Win32Form::Show() {
  ShowWindow(window_, SW_SHOWDEFAULT);
  FocusFirst(tab_order_);
  UpdateWindow(window_);
}

}  // namespace velmora::forms::win32
