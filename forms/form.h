#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/color_value.h"

// The small forms layer the window is written against: a form with controls placed in
// twips, grouped in control arrays whose one click handler receives the element's index.
// Texts are UTF-8; line breaks inside them are CR LF. A backend per toolkit implements it.
namespace velmora::forms {

/// 1/1440 inch; 15 twips make one device-independent pixel.
using Twips = int;
constexpr Twips kTwipsPerPixel = 15;

enum class ControlKind { kGraphicalButton, kLabel, kTextBox };

/// The text of a control whose face the layout fixes: black, as the face was chosen for,
/// whatever the desktop's theme. Controls left to the platform take face and text from it.
constexpr ColorValue kTextOnFixedFace = kBlack;
enum class Alignment { kLeft, kCenter };

struct Font {
  std::string family;
  double points = 12;
  int weight = 400;  // 400 normal, 700 bold
  int charset = 1;   // Windows character set (1 default, 204 Cyrillic); Qt needs none
};

/// One row of a layout table: everything a control is created with.
struct ControlRow {
  std::string_view array{};  // the control array's name; a single control is index 0 of its own
  int index = 0;
  ControlKind kind = ControlKind::kLabel;
  Twips left = 0, top = 0, width = 0, height = 0;
  std::optional<ColorValue> back_color{};  // none: the platform's face and text colours
  std::string text{};                      // caption of a button or label, text of a text box
  Alignment alignment = Alignment::kCenter;
  const Font* font = nullptr;  // none: the form's font
  bool multi_line = false;     // text boxes: several lines with a vertical scroll bar
  // Text boxes: the text can be selected and copied, not typed. (Qt shows every box so; the
  // window's one editable box is never shown.)
  bool read_only = false;
  bool enabled = true;
  bool visible = true;
  // Graphical buttons: the button has a state, on or off, that screen readers tell (a check
  // box); it changes only through Control::SetChecked, never by a click.
  bool checkable = false;
  bool checked = false;
  std::string tool_tip{};
  std::string accessible_name{};  // none: the caption names the control
  // Graphical buttons: what screen readers read after the name; none: the tooltip.
  std::string accessible_description{};
};

/// A control made from a ControlRow. Setting a property shows at once.
class Control {
 public:
  virtual ~Control() = default;
  virtual void SetBackColor(ColorValue color) = 0;
  virtual void SetText(std::string_view text) = 0;
  /// Also the control's accessible description, unless it has one of its own.
  virtual void SetToolTip(std::string_view text) = 0;
  virtual void SetAccessibleName(std::string_view name) = 0;
  /// What a screen reader reads after the name of a graphical button (other controls are
  /// described by their tooltips); a change is told to it, where the user is. Setting the
  /// description it has already tells nothing.
  virtual void SetAccessibleDescription(std::string_view description) = 0;
  /// The state of a checkable button, as screen readers tell it; the screen shows no change.
  virtual void SetChecked(bool checked) = 0;
  /// Whether the keyboard focus can go to the control now: it is enabled and shown.
  virtual bool CanTakeFocus() const = 0;
  virtual void TakeFocus() = 0;
};

/// What a form does as it is shown: the focus goes to the first control of `tab_order` that
/// can take it, and to none when none can.
void FocusFirst(const std::vector<Control*>& tab_order);

enum class MsgBoxButtons { kOkOnly = 0, kOkCancel = 1 };
enum class MsgBoxResult { kOk = 1, kCancel = 2 };

/// What a message box is shown with. It has no icon and its first button is the default.
/// The help file and context go to the platform's help, where it has one.
struct MsgBoxRequest {
  std::string prompt;
  MsgBoxButtons buttons = MsgBoxButtons::kOkOnly;
  std::string title;
  // The captions of the buttons, for platforms whose boxes take them from the program;
  // empty, and on Windows, which captions its boxes in the user's language: the platform's.
  std::string ok_caption;
  std::string cancel_caption;
  std::string help_file;
  int help_context = 0;
};

using ClickHandler = std::function<void(int index)>;

/// A top-level window with a fixed client area.
class Form {
 public:
  virtual ~Form() = default;
  virtual void SetCaption(std::string_view caption) = 0;
  virtual std::string Caption() const = 0;
  virtual void SetClientSize(Twips width, Twips height) = 0;
  virtual void SetBackColor(ColorValue color) = 0;
  virtual void SetFont(const Font& font) = 0;
  /// The icon the program carries under `name`, in as many sizes as it has.
  virtual void SetIcon(std::string_view name) = 0;
  /// Controls added later are painted in front of earlier ones.
  virtual Control& AddControl(const ControlRow& row) = 0;
  /// The one handler for every element of `array`, given once; arrays without one ignore
  /// clicks.
  virtual void OnClick(std::string_view array, ClickHandler handler) = 0;
  /// Keyboard focus order; hidden and disabled controls are skipped.
  virtual void SetTabOrder(const std::vector<Control*>& order) = 0;
  /// Shows the box modal to the program and returns once it is closed.
  virtual MsgBoxResult MsgBox(const MsgBoxRequest& box) = 0;
  /// Shows the form with the focus on the first control of the tab order that can take it.
  virtual void Show() = 0;
};

}  // namespace velmora::forms
