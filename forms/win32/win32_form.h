#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "forms/arrow_keys.h"
#include "forms/click_handlers.h"
#include "forms/form.h"
#include "forms/win32/accessibility.h"

namespace velmora::forms::win32 {

/// The window class of forms.
inline constexpr wchar_t kFormClass[] = L"VelmoraForm";

/// A ColorValue as GDI takes it: the same 0x00BBGGRR layout.
inline COLORREF ToColorRef(ColorValue color) {
  return RGB(RedOf(color), GreenOf(color), BlueOf(color));
}

/// A control made from a layout row, shown by a child window of the form.
class Win32Control : public Control, public AccessibleControl {
 public:
  Win32Control(const ControlRow& row, HWND window);
  ~Win32Control() override;
  Win32Control(const Win32Control&) = delete;
  Win32Control& operator=(const Win32Control&) = delete;

  HWND window() const { return window_; }
  /// What the control shows and tells now: the row it was made from, as changed since.
  const ControlRow& row() const { return row_; }

  // The notifications the form passes on.
  /// Whether notification `code` (WM_COMMAND's) is a click. A quick second click on a button
  /// comes as a double click: it is a click all the same. A disabled control takes no click
  /// from anywhere, as in Qt: a BM_CLICK sent to it, from an automation tool or a screen
  /// reader's default action, still makes it notify.
  bool IsClick(UINT code) const;
  /// Paints a graphical button's face, frame, caption and focus mark at `scale` (1 at 96 DPI).
  void Draw(const DRAWITEMSTRUCT& item, double scale) const;
  /// WM_CTLCOLORSTATIC of a label or read-only text box: sets the text colours of `dc` and
  /// returns the brush of the background.
  HBRUSH Colors(HDC dc) const;

  void SetBackColor(ColorValue color) override;
  void SetText(std::string_view text) override;
  void SetToolTip(std::string_view text) override;
  void SetAccessibleName(std::string_view name) override;
  void SetAccessibleDescription(std::string_view description) override;
  void SetChecked(bool checked) override;
  bool CanTakeFocus() const override {
    return IsWindowEnabled(window_) && IsWindowVisible(window_);
  }
  void TakeFocus() override { SetFocus(window_); }

  std::wstring AccessibleName() const override;
  std::wstring AccessibleDescription() const override;
  long Role() const override;
  bool Checked() const override { return row_.checkable && row_.checked; }
  const wchar_t* DefaultAction() const override;
  bool TakesValue() const override { return row_.kind == ControlKind::kTextBox && !row_.read_only; }

  /// Where the tooltip is shown; set once by the form.
  void AttachToolTips(HWND tooltips) { tooltips_ = tooltips; }

 private:
  void UpdateWindowText();

  ControlRow row_;
  std::string array_;  // row_.array points here
  HWND window_;
  HWND tooltips_ = nullptr;
  HBRUSH back_brush_ = nullptr;
  bool has_tool_ = false;
};

/// A form as a top-level window of fixed size whose controls are child windows; a control's
/// child-window id is its place in the form's list of controls.
class Win32Form : public Form {
 public:
  Win32Form();
  ~Win32Form() override;
  Win32Form(const Win32Form&) = delete;
  Win32Form& operator=(const Win32Form&) = delete;

  HWND window() const { return window_; }
  /// The control that is element `index` of `array`, or nullptr.
  Win32Control* Find(std::string_view array, int index) const;
  /// Moves the focus from the control `from` by `arrow` within its array, as far as anything
  /// lies that way; false when `from` is none of this form's controls.
  bool MoveFocus(HWND from, Arrow arrow) const;

  void SetCaption(std::string_view caption) override;
  std::string Caption() const override;
  void SetClientSize(Twips width, Twips height) override;
  void SetBackColor(ColorValue color) override;
  void SetFont(const Font& font) override;
  void SetIcon(std::string_view name) override;
  Control& AddControl(const ControlRow& row) override;
  void OnClick(std::string_view array, ClickHandler handler) override;
  void SetTabOrder(const std::vector<Control*>& order) override;
  MsgBoxResult MsgBox(const MsgBoxRequest& box) override;
  void Show() override;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
  Win32Control* ControlOf(HWND child) const;
  void ChangeDpi(UINT dpi, const RECT* suggested);
  int Pixels(Twips twips) const;
  RECT PixelRect(const ControlRow& row) const;
  HFONT FontFor(const Font* font);
  void ResizeToClientArea();

  HWND window_ = nullptr;
  HWND tooltips_ = nullptr;
  UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
  Twips client_width_ = 0, client_height_ = 0;
  HBRUSH back_brush_ = nullptr;
  Font font_;
  std::vector<std::pair<Font, HFONT>> fonts_;  // made at the current DPI
  HICON icons_[2] = {};                        // big, small
  std::vector<std::unique_ptr<Win32Control>> controls_;
  ClickHandlers handlers_;
  std::vector<Control*> tab_order_;
};

/// The keys of the graphical button that has the focus: Return and Enter click it, as Space
/// does, once a press; the arrow keys move the focus within its control array. The message
/// loop hands every message here first. True when the key was taken.
bool HandleButtonKey(const MSG& message);

}  // namespace velmora::forms::win32
