#pragma once

#include <windows.h>

#include <string>

namespace velmora::forms::win32 {

/// What a control tells screen readers of itself, asked afresh on every question.
class AccessibleControl {
 public:
  virtual ~AccessibleControl() = default;
  /// Empty: what the system's own object says (for labels, their caption).
  virtual std::wstring AccessibleName() const = 0;
  /// Empty: what the system's own object says.
  virtual std::wstring AccessibleDescription() const = 0;
  /// An MSAA role (ROLE_SYSTEM_...), or 0 for the system's role of the window.
  virtual long Role() const = 0;
  /// Checked: a check box that is on.
  virtual bool Checked() const = 0;
  /// The name of what pressing the control does, or null where the system's object answers.
  /// The action itself is a click (BM_CLICK), which a disabled control takes as nothing.
  virtual const wchar_t* DefaultAction() const = 0;
  /// Whether a screen reader may set the control's value (a text box that can be typed in).
  virtual bool TakesValue() const = 0;
};

/// Makes `window` answer screen readers (MSAA's WM_GETOBJECT for its client area) with the
/// system's standard object for it, except for the name, description, role, state and default
/// action, which `control` gives, and a value that only a control that takes one lets be set.
/// `control` must live as long as the window.
void AnswerScreenReaders(HWND window, const AccessibleControl* control);

/// Tells screen readers that the state or the description of `window` changed.
void NotifyStateChanged(HWND window);
void NotifyDescriptionChanged(HWND window);

}  // namespace velmora::forms::win32
